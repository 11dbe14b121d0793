#include "platform/fs/Win32Path.h"

#include <windows.h>

namespace vantrel {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The offsets at which the characters of path start, lead bytes of
// double-byte characters taken with their second byte.
template <typename Visit>
void ForEachCharacter(const std::string& path, Visit visit) {
  const UINT codePage = GetACP();
  for (std::size_t i = 0; i < path.size(); ++i) {
    visit(i);
    if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(path[i])) && i + 1 < path.size()) ++i;
  }
}

}  // namespace

std::size_t LastSeparator(const std::string& path) {
  std::size_t last = std::string::npos;
  ForEachCharacter(path, [&](std::size_t i) {
    if (IsSeparator(path[i])) last = i;
  });
  return last;
}

bool EndsInSeparator(const std::string& path) {
  std::size_t lastStart = std::string::npos;
  ForEachCharacter(path, [&](std::size_t i) { lastStart = i; });
  return lastStart != std::string::npos && lastStart == path.size() - 1 && IsSeparator(path.back());
}

std::string ParentOf(const std::string& path) {
  std::string trimmed = path;
  const auto isRoot = [](const std::string& p) { return p.size() == 3 && p[1] == ':'; };
  while (trimmed.size() > 1 && EndsInSeparator(trimmed) && !isRoot(trimmed)) trimmed.pop_back();
  if (isRoot(trimmed)) return trimmed;
  const std::size_t separator = LastSeparator(trimmed);
  if (separator == std::string::npos) return ".";
  // "C:\Demo" lies in the root "C:\", which keeps its separator.
  const std::string parent = trimmed.substr(0, separator);
  return parent.empty() || parent.back() == ':' ? trimmed.substr(0, separator + 1) : parent;
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
