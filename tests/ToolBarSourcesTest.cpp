#include <gtest/gtest.h>

#include "tests/OutlineTable.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

const char* const kFiles[] = {"Globals.cpp", "Globals.h", "toolbar.cpp", "toolbar.h"};

// No setting reaches the four files: their bytes are those of the golden
// project whatever the name, location, base class and frame kind.
TEST(ToolBarSources, SameBytesForEveryProject) {
  struct Variant {
    const char* name;
    const char* location;
    const char* base;
    FrameKind kind;
  } variants[] = {
      {"x", "C:\\", "CView", FrameKind::Multiple},
      {"demo2", "D:\\Projects\\deep", "CListView", FrameKind::Single},
      {"GLOBALS", "C:\\Work", "CTreeView", FrameKind::Single},
  };
  for (const char* file : kFiles) {
    for (const auto& v : variants) {
      auto settings = test::Settings(v.name, v.location, v.base);
      settings.Kind = v.kind;
      EXPECT_EQ(test::Render(file, settings), test::Render(file, test::Settings("Demo"))) << file << " for " << v.name;
    }
  }
}

}  // namespace
}  // namespace vantrel
