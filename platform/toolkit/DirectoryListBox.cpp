#include "platform/toolkit/DirectoryListBox.h"

#include <cctype>
#include <stdexcept>
#include <string_view>

#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/DriveComboBox.h"
#include "platform/toolkit/ItemIndex.h"

namespace vantrel {
namespace {

// The separators of paths below a root: below a POSIX root ("/") only the
// slash, since a backslash there is an ordinary character of a name; below
// a drive root ("C:\\") the backslash and the slash.
const char* SeparatorsBelow(const std::string& root) {
  return !root.empty() && root.back() == '/' ? "/" : "\\/";
}

// Whether path begins with prefix. A drive root and the names below it are
// Windows names, which compare without regard to case (c:\users is
// C:\Users); below a POSIX root case counts.
bool StartsWith(const std::string& path, const std::string& prefix, const std::string& root) {
  if (path.size() < prefix.size()) return false;
  if (SeparatorsBelow(root)[0] == '/') return path.starts_with(prefix);
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(path[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

bool IsSeparator(char c, const std::string& root) {
  return c != '\0' && std::string_view(SeparatorsBelow(root)).find(c) != std::string_view::npos;
}

// The parts of path below its root, without empty ones, with "." and ".."
// taken as the same and the parent level (never above the root).
std::vector<std::string> PartsBelow(const std::string& root, const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (std::size_t i = root.size(); i <= path.size(); ++i) {
    if (i == path.size() || IsSeparator(path[i], root)) {
      if (part == "..") {
        if (!parts.empty()) parts.pop_back();
      } else if (!part.empty() && part != ".") {
        parts.push_back(part);
      }
      part.clear();
    } else {
      part.push_back(path[i]);
    }
  }
  return parts;
}

// The root without its trailing separator, as a path may spell it ("C:").
std::string Bare(const std::string& root) {
  std::string bare = root;
  while (bare.size() > 1 && IsSeparator(bare.back(), root)) bare.pop_back();
  return bare;
}

// The list's own form of a path: its drive root, then one part per level,
// whatever separators, doubled separators and "." or ".." were typed; ""
// when the path is on no drive.
std::string Canonical(const FileSystem& fs, const std::string& path) {
  const std::string root = TDirectoryListBox::RootOf(fs, path);
  if (root.empty()) return "";
  std::string result = root;
  for (const std::string& part : PartsBelow(Bare(root), path))
    result = TDirectoryListBox::Join(root, result, part);
  return result;
}

}  // namespace

TDirectoryListBox::TDirectoryListBox(TComponent* owner)
    : TListBox(owner, ControlKind::DirectoryListBox) {}

FileSystem& TDirectoryListBox::Files() const {
  TApplication* app = Application();
  if (app == nullptr) throw std::logic_error("A directory list needs an application");
  return app->Files();
}

std::string TDirectoryListBox::RootOf(const FileSystem& fs, const std::string& path) {
  std::string best;
  for (const std::string& root : fs.Drives()) {
    const std::string bare = Bare(root);
    const bool under = (StartsWith(path, root, root) && root.size() > 0) ||
                       (StartsWith(path, bare, root) &&
                        (path.size() == bare.size() || IsSeparator(path[bare.size()], root)));
    if (under && root.size() > best.size()) best = root;
  }
  return best;
}

std::string TDirectoryListBox::Join(const std::string& root, const std::string& path,
                                    const std::string& name) {
  if (!path.empty() && IsSeparator(path.back(), root)) return path + name;
  const char separator = !root.empty() && root.back() == '/' ? '/' : '\\';
  return path + separator + name;
}

std::string TDirectoryListBox::Resolve(const std::string& path) const {
  const FileSystem& fs = Files();
  if (path.empty()) return path;
  if (!RootOf(fs, path).empty()) return Canonical(fs, path);
  return Canonical(fs, Join(RootOf(fs, directory_), directory_, path));
}

void TDirectoryListBox::SetDirectory(const std::string& path) {
  FileSystem& fs = Files();
  auto canonical = [&fs](const std::string& candidate) -> std::string {
    std::string result = Canonical(fs, candidate);
    return !result.empty() && fs.DirectoryExists(result) ? result : "";
  };
  std::string target = canonical(path);
  // A path that does not exist shows its nearest existing parent, else the
  // process's current directory, else the first drive.
  for (std::string parent = path; target.empty();) {
    std::size_t cut = parent.find_last_of(SeparatorsBelow(RootOf(fs, parent)));
    if (cut == std::string::npos || cut == 0) break;
    parent.resize(cut);
    target = canonical(parent);
  }
  if (target.empty()) target = canonical(fs.CurrentDirectory());
  if (target.empty() && !fs.Drives().empty()) target = fs.Drives().front();
  if (target.empty()) return;

  const bool moved = target != directory_;
  directory_ = target;
  Fill();
  if (drives_ != nullptr) drives_->ListMoved(RootOf(fs, directory_), directory_);
  if (moved && OnChange) OnChange(this);
}

void TDirectoryListBox::Fill() {
  FileSystem& fs = Files();
  const std::string root = RootOf(fs, directory_);
  std::vector<std::string> items{root};
  paths_ = {root};
  levels_ = {0};
  std::string path = root;
  int level = 0;
  for (const std::string& part : PartsBelow(Bare(root), directory_)) {
    path = Join(root, path, part);
    items.push_back(part);
    paths_.push_back(path);
    levels_.push_back(++level);
  }
  const int current = level;
  for (const std::string& child : fs.Subdirectories(directory_)) {
    if (child.starts_with('.')) continue;  // Hidden directories are not offered.
    items.push_back(child);
    paths_.push_back(Join(root, directory_, child));
    levels_.push_back(level + 1);
  }
  Clear();
  for (const std::string& item : items) AddItem(item);
  SetItemIndex(current);
}

void TDirectoryListBox::CheckNameable(int index) const {
  if (!IsItemIndex(index, paths_.size())) return;
  // Windows never allows '?' in a name: below a drive root it stands for
  // characters that the system's code page cannot represent, and the
  // folder cannot be reached by that name.
  const std::string& name = Items()[static_cast<std::size_t>(index)];
  if (SeparatorsBelow(RootOf(Files(), directory_))[0] != '/' && name.find('?') != std::string::npos)
    throw std::runtime_error("This folder's name cannot be represented in the system's code page: " + name);
}

void TDirectoryListBox::UserOpen(int index) {
  if (!IsItemIndex(index, paths_.size())) return;
  CheckNameable(index);
  SetDirectory(paths_[index]);
}

void TDirectoryListBox::UserDoubleClick(int index) {
  CheckNameable(index);  // Before anything moves: the list stays as it was.
  UserSelect(index);
  UserOpen(index);
  if (OnDblClick) OnDblClick(this);
}

void TDirectoryListBox::KeyChar(char key) {
  if (key == kCharEnter) UserOpen(ItemIndex());
}

}  // namespace vantrel
