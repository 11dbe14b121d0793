#include <gtest/gtest.h>

#include "platform/fs/PathParts.h"

namespace vantrel {
namespace {

const PathSyntax kSlashes{[](const std::string& p) { return p.find_last_of('/'); },
                          [](const std::string& p) -> std::size_t { return p.starts_with('/') ? 1 : 0; }, "."};
const PathSyntax kWindows{[](const std::string& p) { return p.find_last_of("\\/"); }, WindowsRootLength, "."};

TEST(PathParts, ARootIsItsOwnParentAndKeepsItsSeparator) {
  const struct {
    const PathSyntax& syntax;
    std::string path, parent;
  } rows[] = {
      {kSlashes, "/a", "/"},         {kSlashes, "/", "/"},          {kSlashes, "//", "/"},
      {kSlashes, "a/b//", "a"},      {kSlashes, "a", "."},          {kSlashes, "", "."},
      {kWindows, "C:\\Demo", "C:\\"}, {kWindows, "C:\\", "C:\\"},   {kWindows, "C:/\\", "C:/"},
      {kWindows, "C:\\a\\b\\", "C:\\a"}, {kWindows, "\\Demo", "\\"}, {kWindows, "\\\\server", "\\"},
      {kWindows, "C:Demo", "."},     {kWindows, "Demo\\x", "Demo"},
  };
  for (const auto& row : rows) EXPECT_EQ(ParentOf(row.path, row.syntax), row.parent) << row.path;
}

}  // namespace
}  // namespace vantrel
