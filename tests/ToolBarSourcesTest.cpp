#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "generator/GeneratedFile.h"
#include "tests/OutlineTable.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

const char* const kFiles[] = {"Globals.cpp", "Globals.h", "toolbar.cpp", "toolbar.h"};

// The outline of the four files (tests/data/toolbar-outline.tsv), their line
// counts, and their indentation: blanks, eight a level, and no tab or other
// control byte, so that the escapes of the literals stay backslash text.
TEST(ToolBarSources, OutlineLineCountsAndIndentation) {
  const auto settings = test::Settings("Demo");
  test::ExpectOutline(test::LoadOutline("toolbar-outline.tsv"), settings);
  const std::size_t counts[] = {129, 64, 1361, 126};
  for (std::size_t i = 0; i < std::size(kFiles); ++i) {
    const auto lines = test::RenderLines(kFiles[i], settings);
    EXPECT_EQ(lines.size(), counts[i]) << kFiles[i];
    test::ExpectLineRules(kFiles[i], lines, test::Indent::Blanks);
  }
}

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

TEST(ToolBarSources, WrittenByTheRunAfterTheMainFrameAndBeforeTheStatusBar) {
  test::Generated generated;
  test::Generate(generated, test::Settings("Demo"));
  for (const char* file : kFiles) EXPECT_EQ(generated.Text(file), test::Render(file, test::Settings("Demo"))) << file;

  std::vector<std::string> order;
  for (const auto& file : GeneratedFiles()) order.emplace_back(file.relativeName);
  auto frame = std::find(order.begin(), order.end(), "MainFrm.h");
  ASSERT_LT(frame + 5, order.end());
  EXPECT_EQ(std::vector<std::string>(frame + 1, frame + 6),
            (std::vector<std::string>{"Globals.cpp", "Globals.h", "toolbar.cpp", "toolbar.h", "statbar.cpp"}));
}

}  // namespace
}  // namespace vantrel
