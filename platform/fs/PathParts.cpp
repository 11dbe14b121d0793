#include "platform/fs/PathParts.h"

#include <algorithm>

namespace vantrel {

std::string ParentOf(std::string path, const PathSyntax& syntax) {
  const std::size_t root = syntax.rootLength(path);
  const auto endsInSeparator = [&] { return !path.empty() && syntax.lastSeparator(path) == path.size() - 1; };
  while (path.size() > std::max<std::size_t>(root, 1) && endsInSeparator()) path.pop_back();
  if (root > 0 && path.size() == root) return path;
  const std::size_t separator = syntax.lastSeparator(path);
  if (separator == std::string::npos) return std::string(syntax.bareNameParent);
  return path.substr(0, std::max(separator, root));
}

std::size_t WindowsRootLength(const std::string& path) {
  const auto separator = [&](std::size_t i) { return i < path.size() && (path[i] == '\\' || path[i] == '/'); };
  if (path.size() >= 2 && path[1] == ':') return separator(2) ? 3 : 0;
  return separator(0) ? 1 : 0;
}

}  // namespace vantrel
