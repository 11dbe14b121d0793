#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/OutlineTable.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

const char* const kFiles[] = {"{Name}.rc", "res\\{Name}.rc2", "resource.h"};
const std::size_t kLines[] = {436, 15, 22};
// Short, long and odd names: the last one no file system would take, but
// the writers splice it as typed, neither quoted nor checked.
const char* const kNames[] = {"A", "demo2", "AVeryLongProjectName_42", "a \"b\\c"};

// For every name: the outline (tests/data/resource-outline.tsv), the line
// counts, and plain ASCII with the tab as the only control character, so
// that the compiler escapes stay backslash text, and no blank at a line end.
TEST(ResourceFiles, OutlineAndLineCountsForEveryName) {
  const auto outline = test::LoadOutline("resource-outline.tsv");
  for (const char* name : kNames) {
    test::ExpectOutline(outline, test::Settings(name));
    for (std::size_t f = 0; f < std::size(kFiles); ++f) {
      const auto lines = test::RenderLines(kFiles[f], test::Settings(name));
      EXPECT_EQ(lines.size(), kLines[f]) << kFiles[f] << " for " << name;
      for (const auto& line : lines) {
        for (unsigned char c : line) EXPECT_TRUE(c == '\t' || (c >= 0x20 && c < 0x7f)) << kFiles[f] << ": " << line;
        EXPECT_TRUE(line.empty() || (line.back() != ' ' && line.back() != '\t')) << kFiles[f] << ": " << line;
      }
    }
  }
}

// With the name and the upper-cased name left out, the files of two
// projects agree: nothing else depends on the name.
TEST(ResourceFiles, NothingButTheNameDependsOnIt) {
  auto without = [](std::string text, const std::string& name) {
    for (const std::string& word : {test::Settings(name).UpperName(), name})
      for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at)) text.erase(at, word.size());
    return text;
  };
  for (const char* file : kFiles)
    EXPECT_EQ(without(test::Render(file, test::Settings("Demo")), "Demo"),
              without(test::Render(file, test::Settings("Other_Name")), "Other_Name"))
        << file;
}

// The run makes "res" just before the extension script and does not mind
// one that exists; it rewrites what a former run left there.
TEST(ResourceFiles, ExtensionScriptGoesIntoTheResourceDirectory) {
  for (bool existing : {false, true}) {
    test::Generated g;
    if (existing) {
      g.fs.AddDirectory("C:\\Work\\res");
      g.fs.AddFile("C:\\Work\\res\\Demo.rc2", "old");
    }
    test::Generate(g, test::Settings("Demo"));
    ASSERT_TRUE(g.fs.DirectoryExists("C:\\Work\\res")) << existing;
    EXPECT_EQ(g.Text("res\\Demo.rc2"), test::Render("res\\{Name}.rc2", test::Settings("Demo"))) << existing;
    std::vector<std::string> order;
    for (const auto& path : g.fs.CreateLog())
      if (path == "C:\\Work\\Demo.rc" || path == "C:\\Work\\res\\Demo.rc2" || path == "C:\\Work\\resource.h")
        order.push_back(path);
    EXPECT_EQ(order,
              (std::vector<std::string>{"C:\\Work\\Demo.rc", "C:\\Work\\res\\Demo.rc2", "C:\\Work\\resource.h"}));
  }
}

}  // namespace
}  // namespace vantrel
