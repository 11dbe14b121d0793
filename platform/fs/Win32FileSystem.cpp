#include "platform/fs/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>

#include "platform/fs/Win32OutputFile.h"
#include "platform/fs/Win32Path.h"

// <windows.h> renames CreateFile to CreateFileA; here it is this layer's own
// operation, and the system's function is called by its full name.
#undef CreateFile

namespace vantrel {
namespace {

using Kind = FileError::Kind;

// The lock of a run: the directory held open for adding files, shared with
// readers and deleters but not with another opening of that kind, so that
// a second run's lock is refused while files can still be made in it.
class Win32DirectoryLock : public DirectoryLock {
 public:
  explicit Win32DirectoryLock(HANDLE handle) : handle_(handle) {}
  ~Win32DirectoryLock() override { CloseHandle(handle_); }
  Win32DirectoryLock(const Win32DirectoryLock&) = delete;
  Win32DirectoryLock& operator=(const Win32DirectoryLock&) = delete;

 private:
  HANDLE handle_;
};

DWORD AttributesOf(const std::string& path) { return GetFileAttributesA(path.c_str()); }

}  // namespace

std::string Win32FileSystem::ProjectPath(const std::string& location, const std::string& separator,
                                         std::string_view relative) const {
  return location + separator + std::string(relative);
}

std::unique_ptr<DirectoryLock> Win32FileSystem::LockDirectory(const std::string& path) {
  if (auto problem = CheckDirectory(path, false)) throw *problem;
  HANDLE handle = ::CreateFileA(path.c_str(), FILE_ADD_FILE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION) throw FileError(Kind::Busy, path, std::string(kAnotherRun));
    throw FileError(Kind::BadDirectory, path, Win32Reason(error));
  }
  return std::make_unique<Win32DirectoryLock>(handle);
}

std::optional<FileError> Win32FileSystem::CheckDirectory(const std::string& path, bool mayBeMissing) const {
  const DWORD attributes = AttributesOf(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if ((error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) && mayBeMissing)
      return CheckDirectory(ParentOf(path), false);
    return FileError(Kind::BadDirectory, path, Win32Reason(error));
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
    return FileError(Kind::BadDirectory, path, Win32Reason(ERROR_DIRECTORY));
  // Whether this process may add files is in the directory's security
  // descriptor; a refusal there shows when the first file is made.
  return std::nullopt;
}

std::optional<FileError> Win32FileSystem::CheckNewFile(const std::string& path, ExistingFile existing) const {
  Win32Target target;
  return Win32OutputFile::Examine(path, existing, target);
}

std::unique_ptr<OutputFile> Win32FileSystem::CreateFile(const std::string& path, ExistingFile existing) {
  return std::make_unique<Win32OutputFile>(path, existing);
}

bool Win32FileSystem::MakeDirectory(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }

bool Win32FileSystem::DirectoryExists(const std::string& path) const {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::FileExists(const std::string& path) const {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path) const {
  HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string content;
  char buffer[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ::ReadFile(handle, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) content.append(buffer, got);
  CloseHandle(handle);
  if (!ok) return std::nullopt;
  return content;
}

std::string Win32FileSystem::CurrentDirectory() const {
  // The size asked for first counts the terminating zero; the directory may
  // change between the two calls, so ask until it fits.
  std::string buffer;
  for (DWORD size = GetCurrentDirectoryA(0, nullptr); size > 0;) {
    buffer.resize(size);
    const DWORD length = GetCurrentDirectoryA(size, buffer.data());
    if (length < size) {
      buffer.resize(length);
      return buffer;
    }
    size = length;
  }
  return ".";
}

std::vector<std::string> Win32FileSystem::Drives() const {
  // "C:\<NUL>D:\<NUL><NUL>": each root ends in a zero, the list in another.
  std::vector<std::string> drives;
  std::string buffer(GetLogicalDriveStringsA(0, nullptr), '\0');
  const DWORD length = GetLogicalDriveStringsA(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length == 0 || length >= buffer.size()) return drives;
  for (std::size_t start = 0; start < length;) {
    const std::size_t end = buffer.find('\0', start);
    drives.push_back(buffer.substr(start, end - start));
    start = end + 1;
  }
  return drives;
}

std::vector<std::string> Win32FileSystem::Subdirectories(const std::string& path) const {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((path + (EndsInSeparator(path) ? "*" : "\\*")).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && name != "." && name != "..")
      names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace vantrel
