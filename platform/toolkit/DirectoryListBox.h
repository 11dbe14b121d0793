#pragma once

#include <string>
#include <vector>

#include "platform/toolkit/ListBox.h"

namespace vantrel {

class FileSystem;
class TDriveComboBox;

// A directory list: the path of its directory from the drive root down,
// one item per level, then the directory's subdirectories (hidden ones,
// whose names begin with a period, left out). Opening an item
// (double click, or Enter while the list has the focus) moves the list
// there. Its change handler runs whenever its directory changes, by a user
// or by code. The list never changes the process's current directory.
class TDirectoryListBox : public TListBox {
 public:
  explicit TDirectoryListBox(TComponent* owner);

  // The directory shown, in the file system's path form.
  const std::string& Directory() const { return directory_; }
  // Moves the list to path. A path that is not an existing directory shows
  // its nearest existing parent instead, or else the process's current
  // directory; the list always shows an existing directory when the file
  // system has one.
  void SetDirectory(const std::string& path);

  // A typed path in the list's form: a path without a drive root is taken
  // below the directory shown; "." and ".." are resolved.
  std::string Resolve(const std::string& path) const;

  // The full path of each item, and its depth (0 for the drive root).
  const std::vector<std::string>& ItemPaths() const { return paths_; }
  const std::vector<int>& ItemLevels() const { return levels_; }

  void SetDriveCombo(TDriveComboBox* drives) { drives_ = drives; }

  // A user opens item index.
  // Throws std::runtime_error, and changes nothing, for a folder whose name
  // the system's code page cannot represent.
  void UserOpen(int index);
  // A double click opens the item.
  void UserDoubleClick(int index) override;
  void KeyChar(char key) override;

  TNotifyEvent OnChange;

  // The drive root of path among the file system's drives, or "".
  static std::string RootOf(const FileSystem& fs, const std::string& path);
  // path and one more level, joined in the style of the drive root.
  static std::string Join(const std::string& root, const std::string& path,
                          const std::string& name);

 private:
  // Throws for an entry that names no folder the system can reach.
  void CheckNameable(int index) const;
  FileSystem& Files() const;
  void Fill();

  std::string directory_;
  std::vector<std::string> paths_;
  std::vector<int> levels_;
  TDriveComboBox* drives_ = nullptr;
};

}  // namespace vantrel
