#pragma once

#include <optional>
#include <string>

#include "platform/fs/MemoryFileSystem.h"
#include "platform/fs/OutputFile.h"

namespace vantrel {

// A file of the in-memory file system: its bytes reach the file system only
// when it is placed, so a failed write leaves the old content in place. The
// old entry is kept aside until the placement is kept, so that it can be put
// back.
class MemoryOutputFile : public OutputFile {
 public:
  MemoryOutputFile(MemoryFileSystem& fs, std::string path, bool replaces);
  ~MemoryOutputFile() override;

  void Write(std::string_view bytes) override;
  void Stage() override;
  void Place() override;
  bool Undo() override;
  void Keep() override { old_.reset(); }
  bool ReplacesExisting() const override { return replaces_; }

 private:
  void Close();

  MemoryFileSystem& fs_;
  std::string path_;
  std::string pending_;
  int writeCalls_ = 0;
  bool replaces_;
  bool open_ = true;
  bool staged_ = false;
  bool placed_ = false;
  std::optional<MemoryFileSystem::Entry> old_;  // The replaced file, while a placement can be undone.
};

}  // namespace vantrel
