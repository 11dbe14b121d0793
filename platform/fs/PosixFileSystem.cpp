#include "platform/fs/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <limits.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <sstream>

#include "platform/fs/PosixDescriptor.h"
#include "platform/fs/PathParts.h"
#include "platform/fs/PosixLockedDirectory.h"

namespace vantrel {
namespace {

using Kind = FileError::Kind;

const PathSyntax kPosixPaths{[](const std::string& path) { return path.find_last_of('/'); },
                             [](const std::string& path) -> std::size_t { return path.starts_with('/') ? 1 : 0; }, "."};

std::string ParentOf(const std::string& path) { return vantrel::ParentOf(path, kPosixPaths); }

std::string NameOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The directory of the file at path, opened to work from; null with errno
// set when it cannot be.
PosixDirectory OpenParent(const std::string& path) {
  PosixDescriptor fd(open(ParentOf(path).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (!fd.valid()) return nullptr;
  return std::make_shared<const PosixDescriptor>(std::move(fd));
}

}  // namespace

PosixFileSystem::PosixFileSystem(const PosixWriteMethods& methods) : methods_(methods) {
  // A file without a name is put in place through its /proc entry, so it
  // is only used where /proc is there.
  if (access("/proc/self/fd", X_OK) != 0) methods_.anonymousFiles = false;
}

std::string PosixFileSystem::ProjectPath(const std::string& location, const std::string&,
                                         std::string_view relative) const {
  std::string path = location;
  if (!path.empty() && path.back() != '/') path += '/';
  for (char c : relative) path += c == '\\' ? '/' : c;
  return path;
}

std::unique_ptr<DirectoryLock> PosixFileSystem::LockDirectory(const std::string& path) {
  return OpenLocked(path, "");
}

std::unique_ptr<LockedDirectory> PosixFileSystem::OpenLocked(const std::string& location, const std::string&) {
  return std::make_unique<PosixLockedDirectory>(location, methods_);
}

std::size_t PosixFileSystem::PathOverrun(const std::string& path) const {
  // The layer opens the file's directory by its path and then uses only
  // names in it: the file's own and a temporary's, of a fixed length.
  const std::size_t name = std::max(NameOf(path).size(), kTemporaryPrefix.size() + kTemporarySuffixLength);
  const std::size_t directory = ParentOf(path).size() + 1;  // With its terminating zero.
  return std::max(name > NAME_MAX ? name - NAME_MAX : 0, directory > PATH_MAX ? directory - PATH_MAX : 0);
}

std::vector<std::string> PosixFileSystem::RemoveLeftovers(const std::string& directory) {
  std::vector<std::string> removed;
  const std::string base = directory.ends_with('/') && directory.size() > 1 ? directory.substr(0, directory.size() - 1) : directory;
  for (const std::string& path : {base, base + "/res"}) {
    PosixDescriptor fd(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (path == base ? 0 : O_NOFOLLOW)));
    std::set<std::string> names;
    if (fd.valid() && PosixReadNames(fd.get(), names)) PosixRemoveTemporaries(fd.get(), path, names, removed);
  }
  return removed;
}

std::optional<FileError> PosixFileSystem::CheckDirectory(const std::string& path, bool mayBeMissing) const {
  return DirectoryRefusal(PosixDirectoryFacts(AT_FDCWD, path, 0), path, mayBeMissing,
                          [&] { return CheckDirectory(ParentOf(path), false); });
}

std::optional<FileError> PosixFileSystem::CheckNewFile(const std::string& path, ExistingFile existing) const {
  PosixDirectory directory = OpenParent(path);
  // A missing parent is left to the directory check.
  if (!directory) return errno == ENOENT ? std::nullopt : std::optional(FileError(Kind::CannotCreate, path, PosixReason(errno)));
  PosixTarget target;
  return PosixOutputFile::Examine(directory->get(), NameOf(path), path, existing, target);
}

std::unique_ptr<OutputFile> PosixFileSystem::CreateFile(const std::string& path, ExistingFile existing) {
  PosixDirectory directory = OpenParent(path);
  if (!directory) throw FileError(Kind::CannotCreate, path, PosixReason(errno));
  return std::make_unique<PosixOutputFile>(std::move(directory), NameOf(path), path, existing, methods_);
}

bool PosixFileSystem::MakeDirectory(const std::string& path) { return mkdir(path.c_str(), 0777) == 0; }

bool PosixFileSystem::DirectoryExists(const std::string& path) const {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PosixFileSystem::FileExists(const std::string& path) const {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::optional<std::string> PosixFileSystem::ReadFile(const std::string& path) const {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string PosixFileSystem::CurrentDirectory() const {
  std::string buffer(4096, '\0');
  // "." stands for a current directory that has no path any more; the
  // directory check then says why nothing can be written there.
  if (getcwd(buffer.data(), buffer.size()) == nullptr) return ".";
  buffer.resize(buffer.find('\0'));
  return buffer;
}

std::vector<std::string> PosixFileSystem::Drives() const { return {"/"}; }

std::vector<std::string> PosixFileSystem::Subdirectories(const std::string& path) const {
  std::vector<std::string> names;
  DIR* dir = opendir(path.c_str());
  if (dir == nullptr) return names;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    std::string full = path + (path.ends_with('/') ? "" : "/") + name;
    if (stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace vantrel
