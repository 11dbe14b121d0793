#pragma once

#include <string>

#include "platform/fs/OutputFile.h"

namespace vantrel {

// A file written on this machine without ever exposing a half-written state
// under its final name. A new file is written in place and removed again when
// the write fails; an existing file is replaced through a temporary file in
// the same directory and a rename, so a failed write leaves it untouched.
class PosixOutputFile : public OutputFile {
 public:
  // Opens the file; throws FileError (CannotCreate) with displayPath.
  PosixOutputFile(const std::string& nativePath, const std::string& displayPath);
  ~PosixOutputFile() override;

  void Write(std::string_view bytes) override;
  void Finish() override;
  bool ReplacesExisting() const override { return replaces_; }

 private:
  void Discard();

  std::string target_;
  std::string written_;  // The file being written: the target or a temporary.
  std::string display_;
  int fd_ = -1;
  bool replaces_ = false;
  bool finished_ = false;
};

}  // namespace vantrel
