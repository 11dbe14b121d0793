#include "platform/toolkit/DriveComboBox.h"

#include <algorithm>
#include <stdexcept>

#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/DirectoryListBox.h"
#include "platform/toolkit/ItemIndex.h"

namespace vantrel {

TDriveComboBox::TDriveComboBox(TComponent* owner)
    : TWinControl(owner, ControlKind::DriveComboBox) {}

FileSystem& TDriveComboBox::Files() const {
  TApplication* app = Application();
  if (app == nullptr) throw std::logic_error("A drive box needs an application");
  return app->Files();
}

const std::vector<std::string>& TDriveComboBox::Drives() const {
  if (!drivesRead_) {
    drives_ = Files().Drives();
    drivesRead_ = true;
  }
  return drives_;
}

void TDriveComboBox::SetDirList(TDirectoryListBox* list) {
  dirList_ = list;
  if (dirList_ != nullptr) dirList_->SetDriveCombo(this);
}

void TDriveComboBox::SetDrive(const std::string& root) {
  if (root == drive_) return;
  drive_ = root;
  Changed();
  if (dirList_ != nullptr) {
    auto last = lastDirectory_.find(root);
    dirList_->SetDirectory(last != lastDirectory_.end() ? last->second : root);
  }
  if (OnChange) OnChange(this);
}

void TDriveComboBox::ListMoved(const std::string& root, const std::string& directory) {
  lastDirectory_[root] = directory;
  if (root == drive_) return;
  drive_ = root;
  Changed();
  if (OnChange) OnChange(this);
}

bool TDriveComboBox::UserPickItem(int index) {
  const auto& drives = Drives();
  if (!IsItemIndex(index, drives.size())) return false;
  SetFocus();
  SetDrive(drives[index]);
  return true;
}

bool TDriveComboBox::NavigationKey(Key key) {
  const auto& drives = Drives();
  const auto at = std::find(drives.begin(), drives.end(), drive_);
  const int current = at == drives.end() ? -1 : static_cast<int>(at - drives.begin());
  const std::optional<int> index = NavigatedIndex(key, current, drives.size());
  if (index) UserPickItem(*index);
  return index.has_value();
}

}  // namespace vantrel
