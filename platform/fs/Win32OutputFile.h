#pragma once

#include <optional>
#include <string>

#include "platform/fs/FileError.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/OutputFile.h"

namespace vantrel {

// What is at a path a file is to be written to.
struct Win32Target {
  bool exists = false;
  unsigned long attributes = 0;
};

// A file written on Windows. Its content goes to a temporary file beside
// the target; Finish then moves it into place in one step (MoveFileExA):
// a new file without replacing a file that appeared meanwhile, an existing
// one over it, after giving the new file the old one's attributes (hidden,
// system...). A read-only file is never replaced. A file dropped before
// Finish leaves nothing behind.
class Win32OutputFile : public OutputFile {
 public:
  // Starts the file; throws FileError (CannotCreate or Exists).
  Win32OutputFile(std::string path, ExistingFile existing);
  ~Win32OutputFile() override;

  void Write(std::string_view bytes) override;
  void Finish() override;
  bool ReplacesExisting() const override { return target_.exists; }

  // Looks at path: fills target and returns the problem creating a file
  // there would meet, if any. Paths the ANSI calls cannot take (MAX_PATH
  // bytes or more) are refused as they stand, never cut to fit.
  static std::optional<FileError> Examine(const std::string& path, ExistingFile existing, Win32Target& target);

 private:
  void Discard();
  [[noreturn]] void Fail(FileError::Kind kind, unsigned long error);

  std::string path_;
  std::string temporary_;
  void* handle_;  // The temporary's handle, or INVALID_HANDLE_VALUE.
  Win32Target target_;
  bool finished_ = false;
};

}  // namespace vantrel
