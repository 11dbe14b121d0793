#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/toolkit/WinControl.h"

namespace vantrel {

class FileSystem;
class TDirectoryListBox;

// A drop-down list of the file systems' roots that the platform reports,
// linked to a directory list: picking a drive shows that drive's current
// directory in the list (the one the list showed last on that drive, or
// its root), and a list moved to another drive updates the box. Its change
// handler runs whenever its drive changes.
class TDriveComboBox : public TWinControl {
 public:
  explicit TDriveComboBox(TComponent* owner);

  // The drive roots, read from the file system when first needed.
  const std::vector<std::string>& Drives() const;
  const std::string& Drive() const { return drive_; }
  // Selects a drive; with a linked list, moves the list to that drive's
  // current directory.
  void SetDrive(const std::string& root);

  TDirectoryListBox* DirList() const { return dirList_; }
  void SetDirList(TDirectoryListBox* list);

  // A user picks entry index of the opened list.
  bool UserPickItem(int index) override;
  bool NavigationKey(Key key) override;

  TNotifyEvent OnChange;

 private:
  friend class TDirectoryListBox;
  // Called by the linked list when it has moved to a directory.
  void ListMoved(const std::string& root, const std::string& directory);
  FileSystem& Files() const;

  mutable std::vector<std::string> drives_;
  mutable bool drivesRead_ = false;
  std::string drive_;
  std::map<std::string, std::string> lastDirectory_;
  TDirectoryListBox* dirList_ = nullptr;
};

}  // namespace vantrel
