#include "platform/fs/Win32FileSystem.h"

#include <windows.h>
// <windows.h> renames CreateFile to CreateFileA; here it is this layer's own
// operation, and the system's function is called by its full name.
#undef CreateFile

#include <algorithm>

#include "platform/fs/DirectoryRule.h"
#include "platform/fs/Win32LockedDirectory.h"
#include "platform/fs/Win32OutputFile.h"
#include "platform/fs/Win32Path.h"

namespace vantrel {
namespace {

using Kind = FileError::Kind;

// The name of a run's lock file in the location, hidden. The leftovers of
// a killed run are never taken for it, nor it for them.
constexpr const char* kLockName = ".vantrel-lock";

// The lock of a run: the location held (Win32DirectoryHold), and the run's
// lock file in it, open for this run alone and deleted by the system as
// soon as it is closed, even when the process is killed.
class Win32DirectoryLock : public DirectoryLock {
 public:
  Win32DirectoryLock(std::unique_ptr<Win32DirectoryHold> hold, HANDLE file) : hold_(std::move(hold)), file_(file) {}
  ~Win32DirectoryLock() override { CloseHandle(file_); }
  Win32DirectoryLock(const Win32DirectoryLock&) = delete;
  Win32DirectoryLock& operator=(const Win32DirectoryLock&) = delete;

 private:
  std::unique_ptr<Win32DirectoryHold> hold_;
  HANDLE file_;
};

DWORD AttributesOf(const std::string& path) { return GetFileAttributesA(path.c_str()); }

// The reason of this layer's own refusal of a directory another program holds.
constexpr std::string_view kInUse = "in use by another program";

// Makes the run's lock file at path, shared with nobody; INVALID_HANDLE_VALUE
// and the system's error when it cannot. A lock file nobody holds, which
// only a machine that stopped mid-run leaves (empty, as every run leaves
// it), is taken over; another run's cannot be removed, and is a sharing
// violation. Only making it shows whether the directory's security, a
// read-only volume or a host file system under Wine let a file be made.
HANDLE TakeLockFile(const std::string& path, DWORD& error) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle != INVALID_HANDLE_VALUE) return handle;
    error = GetLastError();
    if (error != ERROR_FILE_EXISTS) return INVALID_HANDLE_VALUE;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
        (data.nFileSizeLow != 0 || data.nFileSizeHigh != 0 || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0))
      return INVALID_HANDLE_VALUE;  // Not a lock file of this layer: it stays.
    if (!DeleteFileA(path.c_str())) {
      error = GetLastError();
      return INVALID_HANDLE_VALUE;
    }
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

Win32FileSystem::Win32FileSystem(const Win32WriteMethods& methods) : methods_(methods) {}

std::string Win32FileSystem::ProjectPath(const std::string& location, const std::string&,
                                         std::string_view relative) const {
  // The separator is decided on the resolved location, which may end in
  // one where the location as typed does not ("Y:" for a drive's root).
  if (location.empty()) return std::string(relative);
  const std::string full = FullPath(location);
  return full + (EndsInSeparator(full) ? "" : "\\") + std::string(relative);
}

std::unique_ptr<DirectoryLock> Win32FileSystem::LockDirectory(const std::string& path) {
  if (auto problem = CheckDirectory(path, false)) throw *problem;
  const std::string full = FullPath(path);
  DWORD error = 0;
  auto hold = Win32DirectoryHold::Open(full, false, error);
  if (!hold) {
    throw FileError(Kind::BadDirectory, path,
                    error == ERROR_SHARING_VIOLATION ? std::string(kInUse) : Win32Reason(error));
  }
  HANDLE file = TakeLockFile(full + (EndsInSeparator(full) ? "" : "\\") + kLockName, error);
  if (file == INVALID_HANDLE_VALUE) {
    if (error == ERROR_SHARING_VIOLATION) throw FileError(Kind::Busy, path, std::string(kAnotherRun));
    // A directory no file can be made in is one refusal, not one per file.
    throw FileError(Kind::BadDirectory, path, Win32Reason(error));
  }
  return std::make_unique<Win32DirectoryLock>(std::move(hold), file);
}

std::unique_ptr<LockedDirectory> Win32FileSystem::OpenLocked(const std::string& location,
                                                            const std::string& separator) {
  return std::make_unique<Win32LockedDirectory>(*this, LockDirectory(location), location, separator);
}

std::optional<FileError> Win32FileSystem::CheckDirectory(const std::string& path, bool mayBeMissing) const {
  using What = DirectoryFacts::What;
  const std::string full = FullPath(path);
  const DWORD attributes = AttributesOf(full);
  DirectoryFacts facts;
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    // Wine answers "not found" for a link its listing passes over; that is
    // only looked into where a link is refused.
    facts = {!missing ? What::Unusable : mayBeMissing && IsUnseenEntry(full) ? What::Link : What::Missing,
             Win32Reason(error)};
  } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    facts = {What::Unusable, Win32Reason(ERROR_DIRECTORY)};
  } else if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    facts = {What::Link, {}};
  }
  // Whether this process may add files shows when the lock is taken.
  return DirectoryRefusal(facts, path, mayBeMissing, [&] { return CheckDirectory(ParentOf(full), false); });
}

std::optional<FileError> Win32FileSystem::CheckNewFile(const std::string& path, ExistingFile existing) const {
  Win32Target target;
  return Win32OutputFile::Examine(path, existing, target);
}

std::unique_ptr<OutputFile> Win32FileSystem::CreateFile(const std::string& path, ExistingFile existing) {
  return std::make_unique<Win32OutputFile>(path, existing, methods_);
}

std::size_t Win32FileSystem::PathOverrun(const std::string& path) const { return Win32OutputFile::PathOverrun(path); }

std::vector<std::string> Win32FileSystem::RemoveLeftovers(const std::string& directory) {
  std::vector<std::string> removed;
  const std::string location = ProjectPath(directory, "", "");
  // Nothing is removed through a "res" that is a link (which a run refuses
  // anyway); the location itself may be one.
  const DWORD resources = AttributesOf(location + "res");
  const bool resourcesOwn = resources != INVALID_FILE_ATTRIBUTES && (resources & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
  for (const std::string& in : {location, location + "res\\"}) {
    if (in != location && !resourcesOwn) continue;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((in + "~v*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) continue;
    do {
      // The pattern also matches short (8.3) names; the long name decides.
      const bool plainFile = (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
      const std::string path = in + found.cFileName;
      if (plainFile && Win32OutputFile::IsTemporaryName(found.cFileName) && DeleteFileA(path.c_str()))
        removed.push_back(path);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  return removed;
}

bool Win32FileSystem::MakeDirectory(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }

bool Win32FileSystem::RemoveEmptyDirectory(const std::string& path) { return ::RemoveDirectoryA(path.c_str()) != FALSE; }

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
