#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/fs/Journal.h"
#include "platform/fs/PathLockedDirectory.h"

namespace vantrel {

// A directory of a run held open until this is destroyed: for adding
// files, shared with readers and writers but not with deleting. Nobody can
// move or remove the directory, nor put a link in its place, while the run
// writes into it by path. The system's own open of the directory that a
// file is renamed or linked into (for adding files, sharing reading and
// writing) still passes, and so do listings; a program that keeps writers
// out makes the hold fail with a sharing violation.
class Win32DirectoryHold : public DirectoryLock {
 public:
  // Holds path, following a link there unless it is to be refused: then
  // the hold fails with ERROR_REPARSE_ATTRIBUTE_CONFLICT. On failure,
  // nullptr and the system's error in error.
  static std::unique_ptr<Win32DirectoryHold> Open(const std::string& path, bool refuseLink, unsigned long& error);
  ~Win32DirectoryHold() override;
  Win32DirectoryHold(const Win32DirectoryHold&) = delete;
  Win32DirectoryHold& operator=(const Win32DirectoryHold&) = delete;

 private:
  explicit Win32DirectoryHold(void* handle) : handle_(handle) {}
  void* handle_;
};

// A run's locked directory on Windows: names are joined to the location's
// full path (the lock keeps the directory from being moved or removed; a
// directory the run makes or uses below it is held the same way), and the
// run's journal is a hidden file in it, written through to the disk.
class Win32LockedDirectory : public PathLockedDirectory, private JournalSteps {
 public:
  using PathLockedDirectory::PathLockedDirectory;

  std::string PathOf(std::string_view relative) const override { return PathLockedDirectory::PathOf(relative); }
  bool MakeDirectory(std::string_view relative) override;
  bool RemoveEmptyDirectory(std::string_view relative) override;
  void WriteJournal(const std::string& project, const std::vector<JournalEntry>& entries) override;
  void RemoveJournal() override;
  std::optional<std::string> PendingJournal() const override;
  std::vector<std::string> RollBack(bool (*belongs)(const std::string& project, const std::string& relative)) override;

 private:
  bool IsAsideName(std::string_view temporary, std::string_view backup) const override;
  UndoResult RemoveNew(const JournalPlacement& placement) override;
  UndoResult RestoreOld(const JournalPlacement& placement) override;

  // The directories below the location that the run holds, by relative name.
  std::vector<std::pair<std::string, std::unique_ptr<Win32DirectoryHold>>> held_;
  auto HeldEntry(std::string_view relative) {
    return std::find_if(held_.begin(), held_.end(), [&](const auto& entry) { return entry.first == relative; });
  }
};

}  // namespace vantrel
