#include "platform/fs/MemoryFileSystem.h"

#include "platform/fs/DirectoryRule.h"
#include "platform/fs/FileError.h"
#include "platform/fs/MemoryOutputFile.h"
#include "platform/fs/PathParts.h"
#include "platform/fs/TargetRule.h"

namespace vantrel {

using Kind = FileError::Kind;

// The lock of a run on a directory of the in-memory file system.
class MemoryDirectoryLock : public DirectoryLock {
 public:
  MemoryDirectoryLock(MemoryFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {
    fs_.locked_.insert(path_);
  }
  ~MemoryDirectoryLock() override { fs_.locked_.erase(path_); }

 private:
  MemoryFileSystem& fs_;
  std::string path_;
};

MemoryFileSystem::MemoryFileSystem() { directories_.insert("C:"); }

std::string MemoryFileSystem::Normalized(const std::string& directory) {
  // A trailing separator, or "." as the last part, names the same directory.
  std::string path = directory;
  while (!path.empty() && (path.back() == '\\' || path.ends_with("\\."))) path.pop_back();
  return path;
}

std::string MemoryFileSystem::ParentOf(const std::string& path) {
  // The fake names a drive's root "C:", which lies in no directory.
  static constexpr PathSyntax kSyntax{[](const std::string& p) { return p.find_last_of('\\'); }, WindowsRootLength, ""};
  return Normalized(vantrel::ParentOf(path, kSyntax));
}

void MemoryFileSystem::AddDirectory(const std::string& path) {
  // Adds the directory with every missing parent.
  std::string dir = Normalized(path);
  while (!dir.empty() && directories_.insert(dir).second) dir = ParentOf(dir);
}

void MemoryFileSystem::AddFile(const std::string& path, std::string content, bool readOnly) {
  AddDirectory(ParentOf(path));
  files_[path] = Entry{std::move(content), readOnly, 1};
}

void MemoryFileSystem::RefuseCreate(const std::string& path) { refused_.insert(path); }


const MemoryFileSystem::Entry* MemoryFileSystem::Find(const std::string& path) const {
  auto it = files_.find(path);
  return it == files_.end() ? nullptr : &it->second;
}

std::string MemoryFileSystem::ProjectPath(const std::string& location, const std::string& separator,
                                          std::string_view relative) const {
  return location + separator + std::string(relative);
}

std::unique_ptr<DirectoryLock> MemoryFileSystem::LockDirectory(const std::string& path) {
  const std::string dir = Normalized(path);
  if (!directories_.count(dir)) throw FileError(Kind::BadDirectory, path, "No such file or directory");
  if (locked_.count(dir)) throw FileError(Kind::Busy, path, std::string(kAnotherRun));
  return std::make_unique<MemoryDirectoryLock>(*this, dir);
}

std::size_t MemoryFileSystem::PathOverrun(const std::string& path) const {
  const std::size_t length = path.size() + 1;
  return length > pathLimit_ ? length - pathLimit_ : 0;
}

std::vector<std::string> MemoryFileSystem::RemoveLeftovers(const std::string& directory) {
  std::vector<std::string> removed;
  const std::string top = Normalized(directory);
  for (auto it = files_.begin(); it != files_.end();) {
    const std::string parent = ParentOf(it->first);
    const bool inPlace = parent == top || parent == top + "\\res";
    if (inPlace && it->first.substr(parent.size() + 1).starts_with(kLeftoverPrefix)) {
      removed.push_back(it->first);
      it = files_.erase(it);
    } else {
      ++it;
    }
  }
  return removed;
}

std::optional<FileError> MemoryFileSystem::CheckDirectory(const std::string& path, bool mayBeMissing) const {
  using What = DirectoryFacts::What;
  const std::string dir = Normalized(path);
  const DirectoryFacts facts = directories_.count(dir) ? DirectoryFacts{}
                               : files_.count(dir)     ? DirectoryFacts{What::Unusable, "Not a directory"}
                                                       : DirectoryFacts{What::Missing, "No such file or directory"};
  return DirectoryRefusal(facts, path, mayBeMissing, [&] { return CheckDirectory(ParentOf(dir), false); });
}

TargetFacts MemoryFileSystem::FactsAt(const std::string& path) const {
  TargetFacts facts;
  if (directories_.count(Normalized(path))) {
    facts.what = TargetFacts::What::Directory;
  } else if (const Entry* found = Find(path)) {
    facts.what = TargetFacts::What::File;
    facts.readOnly = found->readOnly;
  }
  return facts;
}

std::optional<FileError> MemoryFileSystem::CheckNewFile(const std::string& path, ExistingFile existing) const {
  // Paths the system cannot take are refused as they stand, never cut.
  if (PathOverrun(path) > 0) return FileError(Kind::CannotCreate, path, "File name too long");
  return TargetRefusal(FactsAt(path), path, existing, kIsADirectory);
}

std::unique_ptr<OutputFile> MemoryFileSystem::CreateFile(const std::string& path, ExistingFile existing) {
  createLog_.push_back(path);
  if (auto problem = CheckNewFile(path, existing)) throw *problem;
  // A refusal no check could foresee, as when permissions change mid-run.
  if (refused_.count(path)) throw FileError(Kind::CannotCreate, path, "Permission denied");
  if (!directories_.count(ParentOf(path)))
    throw FileError(Kind::CannotCreate, path, files_.count(ParentOf(path)) ? "Not a directory" : "No such file or directory");
  return std::make_unique<MemoryOutputFile>(*this, path, Find(path) != nullptr);
}

bool MemoryFileSystem::MakeDirectory(const std::string& path) {
  std::string dir = Normalized(path);
  if (directories_.count(dir) || files_.count(dir) || !directories_.count(ParentOf(dir)))
    return false;
  directories_.insert(dir);
  return true;
}

bool MemoryFileSystem::RemoveEmptyDirectory(const std::string& path) {
  const std::string dir = Normalized(path);
  for (const auto& [file, entry] : files_)
    if (ParentOf(file) == dir) return false;
  for (const auto& other : directories_)
    if (ParentOf(other) == dir) return false;
  return directories_.erase(dir) > 0;
}

bool MemoryFileSystem::DirectoryExists(const std::string& path) const {
  return directories_.count(Normalized(path)) > 0;
}

bool MemoryFileSystem::FileExists(const std::string& path) const { return Find(path) != nullptr; }

std::optional<std::string> MemoryFileSystem::ReadFile(const std::string& path) const {
  const Entry* entry = Find(path);
  if (entry == nullptr) return std::nullopt;
  return entry->content;
}

std::vector<std::string> MemoryFileSystem::Drives() const {
  std::vector<std::string> drives;
  for (const auto& dir : directories_)
    if (ParentOf(dir).empty()) drives.push_back(dir + "\\");
  return drives;
}

std::vector<std::string> MemoryFileSystem::Subdirectories(const std::string& path) const {
  std::vector<std::string> names;
  std::string parent = Normalized(path);
  for (const auto& dir : directories_)
    if (ParentOf(dir) == parent) names.push_back(dir.substr(parent.size() + 1));
  return names;
}

}  // namespace vantrel
