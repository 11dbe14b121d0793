#pragma once

#include "platform/fs/Journal.h"
#include "platform/fs/PathLockedDirectory.h"

namespace vantrel {

// A run's locked directory on Windows: names are joined to the location's
// full path (the lock keeps the directory from being moved or removed), and
// the run's journal is a hidden file in it, written through to the disk.
class Win32LockedDirectory : public PathLockedDirectory, private JournalSteps {
 public:
  using PathLockedDirectory::PathLockedDirectory;

  std::string PathOf(std::string_view relative) const override { return PathLockedDirectory::PathOf(relative); }
  bool RemoveEmptyDirectory(std::string_view relative) override {
    return PathLockedDirectory::RemoveEmptyDirectory(relative);
  }
  void WriteJournal(const std::string& project, const std::vector<JournalEntry>& entries) override;
  void RemoveJournal() override;
  std::optional<std::string> PendingJournal() const override;
  std::vector<std::string> RollBack(bool (*belongs)(const std::string& project, const std::string& relative)) override;

 private:
  bool IsAsideName(std::string_view temporary, std::string_view backup) const override;
  UndoResult RemoveNew(const JournalPlacement& placement) override;
  UndoResult RestoreOld(const JournalPlacement& placement) override;
};

}  // namespace vantrel
