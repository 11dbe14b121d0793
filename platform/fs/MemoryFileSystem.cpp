#include "platform/fs/MemoryFileSystem.h"

#include "platform/fs/FileError.h"
#include "platform/fs/MemoryOutputFile.h"

namespace vantrel {

MemoryFileSystem::MemoryFileSystem() { directories_.insert("C:"); }

std::string MemoryFileSystem::Normalized(const std::string& directory) {
  std::string path = directory;
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

std::string MemoryFileSystem::ParentOf(const std::string& path) {
  auto slash = path.find_last_of('\\');
  if (slash == std::string::npos) return "";
  return Normalized(path.substr(0, slash));
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

void MemoryFileSystem::SetFreeSpace(std::size_t bytes) { freeSpace_ = bytes; }

const MemoryFileSystem::Entry* MemoryFileSystem::Find(const std::string& path) const {
  auto it = files_.find(path);
  return it == files_.end() ? nullptr : &it->second;
}

std::unique_ptr<OutputFile> MemoryFileSystem::CreateFile(const std::string& path) {
  createLog_.push_back(path);
  const Entry* existing = Find(path);
  if (refused_.count(path) || !directories_.count(ParentOf(path)) ||
      directories_.count(Normalized(path)) || (existing && existing->readOnly))
    throw FileError(FileError::Kind::CannotCreate, path);
  return std::make_unique<MemoryOutputFile>(*this, path, existing != nullptr);
}

bool MemoryFileSystem::MakeDirectory(const std::string& path) {
  std::string dir = Normalized(path);
  if (directories_.count(dir) || files_.count(dir) || !directories_.count(ParentOf(dir)))
    return false;
  directories_.insert(dir);
  return true;
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
