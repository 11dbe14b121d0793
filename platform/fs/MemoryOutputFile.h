#pragma once

#include <string>

#include "platform/fs/OutputFile.h"

namespace vantrel {

class MemoryFileSystem;

// A file of the in-memory file system: its bytes reach the file system only
// when it is finished, so a failed write leaves the old content in place.
class MemoryOutputFile : public OutputFile {
 public:
  MemoryOutputFile(MemoryFileSystem& fs, std::string path, bool replaces);
  ~MemoryOutputFile() override;

  void Write(std::string_view bytes) override;
  void Finish() override;
  bool ReplacesExisting() const override { return replaces_; }

 private:
  MemoryFileSystem& fs_;
  std::string path_;
  std::string pending_;
  int writeCalls_ = 0;
  bool replaces_;
  bool open_ = true;
  bool failed_ = false;
};

}  // namespace vantrel
