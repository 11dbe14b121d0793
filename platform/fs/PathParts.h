#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel {

// How a file layer spells paths, as far as finding the directory a path
// lies in needs.
struct PathSyntax {
  // The offset of the last separator in path, or npos when it has none.
  std::size_t (*lastSeparator)(const std::string& path);
  // The length of the root path starts with ("/", "\" or "C:\"), or 0.
  std::size_t (*rootLength)(const std::string& path);
  // The directory a bare name lies in.
  std::string_view bareNameParent;
};

// The directory path lies in, trailing separators aside. A root is its own
// parent and keeps its separator: "/a" lies in "/", "C:\Demo" in "C:\".
std::string ParentOf(std::string path, const PathSyntax& syntax);

// The root of a Windows path: "C:\" (either separator) or a leading one.
std::size_t WindowsRootLength(const std::string& path);

}  // namespace vantrel
