#pragma once

#include <string>

#include "platform/fs/OutputFile.h"

namespace vantrel {

// A file written on Windows without ever exposing a half-written state under
// its final name: the content goes to a temporary file in the same
// directory, which Finish then moves into place. A new file is moved in
// without replacing anything, so a file of that name that appeared in the
// meantime is kept and reported; an existing file is replaced in one step
// (MoveFileExA), keeping its attributes. A read-only file is never replaced.
class Win32OutputFile : public OutputFile {
 public:
  // Starts the file; throws FileError (CannotCreate).
  explicit Win32OutputFile(const std::string& path);
  ~Win32OutputFile() override;
  Win32OutputFile(const Win32OutputFile&) = delete;
  Win32OutputFile& operator=(const Win32OutputFile&) = delete;

  void Write(std::string_view bytes) override;
  void Finish() override;
  bool ReplacesExisting() const override { return replaces_; }

 private:
  void Discard();

  std::string target_;
  std::string temporary_;
  void* handle_;  // The temporary file's handle, or INVALID_HANDLE_VALUE.
  unsigned long attributes_ = 0;  // Those of the file replaced.
  bool replaces_ = false;
  bool finished_ = false;
};

}  // namespace vantrel
