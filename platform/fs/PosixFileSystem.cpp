#include "platform/fs/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <sstream>

#include "platform/fs/PosixDescriptor.h"

namespace vantrel {
namespace {

using Kind = FileError::Kind;

// The lock of a run: an open descriptor of the directory with flock on it.
class PosixDirectoryLock : public DirectoryLock {
 public:
  explicit PosixDirectoryLock(PosixDescriptor fd) : fd_(std::move(fd)) {}

 private:
  PosixDescriptor fd_;
};

std::string ParentOf(const std::string& path) {
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  auto slash = trimmed.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : trimmed.substr(0, slash);
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
  PosixDescriptor fd(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.valid()) throw FileError(Kind::BadDirectory, path, PosixReason(errno));
  if (flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK)
      throw FileError(Kind::Busy, path, std::string(kAnotherRun));
    // A file system without locks (some network file systems) is written
    // without one; creating files without replacing still holds there.
  }
  return std::make_unique<PosixDirectoryLock>(std::move(fd));
}

std::optional<FileError> PosixFileSystem::CheckDirectory(const std::string& path, bool mayBeMissing) const {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT && mayBeMissing) return CheckDirectory(ParentOf(path), false);
    return FileError(Kind::BadDirectory, path, PosixReason(errno));
  }
  if (!S_ISDIR(st.st_mode)) return FileError(Kind::BadDirectory, path, PosixReason(ENOTDIR));
  // A directory that was removed while open (a deleted current directory)
  // still answers stat, but nothing can be created in it.
  if (st.st_nlink == 0) return FileError(Kind::BadDirectory, path, PosixReason(ENOENT));
  if (faccessat(AT_FDCWD, path.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
    return FileError(Kind::BadDirectory, path, PosixReason(errno));
  return std::nullopt;
}

std::optional<FileError> PosixFileSystem::CheckNewFile(const std::string& path, ExistingFile existing) const {
  PosixTarget target;
  return PosixOutputFile::Examine(path, existing, target);
}

std::unique_ptr<OutputFile> PosixFileSystem::CreateFile(const std::string& path, ExistingFile existing) {
  return std::make_unique<PosixOutputFile>(path, existing, methods_);
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
