#include "platform/fs/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>

// <windows.h> renames CreateFile to CreateFileA; here it is this layer's own
// operation, and the system's function is called by its full name.
#undef CreateFile

#include "platform/fs/Win32OutputFile.h"

namespace vantrel {
namespace {

DWORD AttributesOf(const std::string& path) { return GetFileAttributesA(path.c_str()); }

}  // namespace

std::unique_ptr<OutputFile> Win32FileSystem::CreateFile(const std::string& path) {
  return std::make_unique<Win32OutputFile>(path);
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
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
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
  const bool endsInSeparator = !path.empty() && (path.back() == '\\' || path.back() == '/');
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((path + (endsInSeparator ? "*" : "\\*")).c_str(), &found);
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
