#include "platform/fs/Win32Path.h"

#include <windows.h>

#include "platform/fs/PathParts.h"

namespace vantrel {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The offsets at which the characters of path start, lead bytes of
// double-byte characters taken with their second byte.
template <typename Visit>
void ForEachCharacter(const std::string& path, unsigned codePage, Visit visit) {
  const UINT page = codePage != 0 ? codePage : GetACP();
  for (std::size_t i = 0; i < path.size(); ++i) {
    visit(i);
    if (IsDBCSLeadByteEx(page, static_cast<BYTE>(path[i])) && i + 1 < path.size()) ++i;
  }
}

}  // namespace

std::size_t LastSeparator(const std::string& path, unsigned codePage) {
  std::size_t last = std::string::npos;
  ForEachCharacter(path, codePage, [&](std::size_t i) {
    if (IsSeparator(path[i])) last = i;
  });
  return last;
}

bool EndsInSeparator(const std::string& path, unsigned codePage) {
  std::size_t lastStart = std::string::npos;
  ForEachCharacter(path, codePage, [&](std::size_t i) { lastStart = i; });
  return lastStart != std::string::npos && lastStart == path.size() - 1 && IsSeparator(path.back());
}

std::string ParentOf(const std::string& path) {
  static constexpr PathSyntax kSyntax{[](const std::string& p) { return LastSeparator(p); }, WindowsRootLength, "."};
  return vantrel::ParentOf(path, kSyntax);
}

std::string DirectoryPartOf(const std::string& path) {
  const std::size_t separator = LastSeparator(path);
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string FullPath(const std::string& path) {
  if (path.empty()) return path;
  // The size asked for first counts the terminating zero; the current
  // directory may change between the two calls, so ask until it fits.
  std::string full;
  for (DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr); size > 0;) {
    full.resize(size);
    const DWORD length = GetFullPathNameA(path.c_str(), size, full.data(), nullptr);
    if (length == 0) break;
    if (length < size) {
      full.resize(length);
      return full;
    }
    size = length;
  }
  return path;
}

std::size_t SystemLength(const std::string& path) {
  if (path.empty()) return 0;
  const int length = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  return length > 0 ? static_cast<std::size_t>(length) : path.size();
}

bool RunsUnderWine() {
  static const bool underWine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
  return underWine;
}

bool IsUnseenEntry(const std::string& path) {
  if (!RunsUnderWine()) return false;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    FindClose(search);
    return false;
  }
  // A name that is not there at all is "not found"; one that is there but
  // was passed over leaves the search with "no more files".
  return GetLastError() == ERROR_NO_MORE_FILES;
}

std::string Win32Reason(unsigned long error) {
  char text[512];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' ' ||
                        text[length - 1] == '.'))
    --length;
  if (length == 0) return "error " + std::to_string(error);
  return std::string(text, length);
}

}  // namespace vantrel
