#include <gtest/gtest.h>

#include <string>
#include <utility>
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

std::vector<std::string> Script(const std::string& name) {
  return test::RenderLines("{Name}.rc", test::Settings(name));
}

std::string Unindented(const std::string& line) {
  auto start = line.find_first_not_of(" \t");
  return start == std::string::npos ? std::string() : line.substr(start);
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

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

// Every banner: a separator, "//", the title, "//" and an empty line; the
// sections keep their empty lines whatever the length of the name.
TEST(ResourceFiles, BannersAndEmptyLinesStayInPlace) {
  for (const char* name : {"A", "AVeryLongProjectName_42"}) {
    auto lines = Script(name);
    ASSERT_EQ(lines.size(), 436u) << name;
    for (std::size_t banner : {6, 18, 53, 64, 73, 224, 275, 292, 372, 417}) {
      EXPECT_EQ(lines[banner - 1], std::string(77, '/')) << banner;
      EXPECT_EQ(lines[banner], "//") << banner;
      EXPECT_TRUE(StartsWith(lines[banner + 1], "// ")) << banner;
      EXPECT_EQ(lines[banner + 2], "//") << banner;
      EXPECT_EQ(lines[banner + 3], "") << banner;
    }
    for (std::size_t empty : {4,   15,  51,  52,  62,  63,  70,  71,  72,  103, 129, 130, 176,
                              222, 223, 248, 273, 274, 290, 291, 371, 413, 414, 415, 435, 436})
      EXPECT_EQ(lines[empty - 1], "") << name << ":" << empty;
  }
}

// Menu items put the command ID at the 41st character after the
// indentation; only the About item, whose caption holds the name, has a
// fixed ten blanks after its comma. The Windows menus indent by tabs only.
TEST(ResourceFiles, MenuItemsLineUpTheirCommands) {
  for (const char* name : kNames) {
    auto lines = Script(name);
    int items = 0, abouts = 0;
    for (std::size_t i = 77; i < 223; ++i) {
      std::string text = Unindented(lines[i]);
      if (!StartsWith(text, "MENUITEM \"")) continue;
      ++items;
      if (StartsWith(text, "MENUITEM \"&About ")) {
        ++abouts;
        EXPECT_EQ(text, "MENUITEM \"&About " + std::string(name) + "...\"," + std::string(10, ' ') + "ID_APP_ABOUT");
        continue;
      }
      ASSERT_GT(text.size(), 43u) << i + 1;
      EXPECT_EQ(text.substr(39, 4), " ID_") << name << ":" << i + 1;
      EXPECT_EQ(text.find_first_not_of(' ', text.rfind("\",", 39) + 2), 40u) << name << ":" << i + 1;
    }
    EXPECT_EQ(items, 8 + 7 + 21 + 20) << name;  // Separators are not counted.
    EXPECT_EQ(abouts, 2) << name;
    for (auto [from, to] : {std::pair{79, 101}, std::pair{133, 174}})
      for (int i = from; i < to; ++i)
        EXPECT_EQ(lines[i].find_first_not_of('\t'), lines[i].find_first_not_of(" \t")) << name << ":" << i + 1;
  }
}

// Accelerator rows: the command at the 17th character, the flags at the
// 41st, the Windows flags without blanks and the Macintosh ones with them.
TEST(ResourceFiles, AcceleratorRowsFollowTheirColumns) {
  auto lines = Script("Demo");
  struct Table {
    std::size_t first, last;  // Lines of the rows, from 1.
    std::string indent;
    bool blanksInFlags;
  } tables[] = {{232, 245, "\t", false}, {256, 270, "    ", true}};
  for (const auto& t : tables) {
    EXPECT_EQ(lines[t.first - 2], "BEGIN");
    EXPECT_EQ(lines[t.last], "END");
    for (std::size_t n = t.first; n <= t.last; ++n) {
      ASSERT_TRUE(StartsWith(lines[n - 1], t.indent)) << n;
      std::string row = lines[n - 1].substr(t.indent.size());
      ASSERT_GT(row.size(), 41u) << n;
      EXPECT_NE(row[0], ' ') << n;
      EXPECT_EQ(row.substr(15, 4), " ID_") << n;
      EXPECT_EQ(row.substr(39, 8), " VIRTKEY") << n;
      std::string flags = row.substr(40);
      EXPECT_EQ(flags.find(' ') != std::string::npos, t.blanksInFlags && flags != "VIRTKEY") << n;
      EXPECT_EQ(flags.find("NOINVERT") != std::string::npos, t.blanksInFlags) << n;
    }
  }
}

// String rows: the text at the 25th character after the tab, except the
// document type row (nine blanks, whatever the name) and the desk accessory
// row (a tab). Version values: 25 characters before the value, the longest
// key leaving no blank at all.
TEST(ResourceFiles, StringAndVersionRowsFollowTheirColumns) {
  for (const char* name : kNames) {
    auto lines = Script(name);
    const std::string docType = "IDR_" + test::Settings(name).UpperName() + "TYPE";
    int rows = 0, values = 0;
    for (std::size_t i = 296; i < 370; ++i) {
      const auto& line = lines[i];
      if (line.empty() || line[0] != '\t') continue;
      ++rows;
      const std::string id =
          StartsWith(line, "\t" + docType + " ") ? docType : line.substr(1, line.find_first_of(" \t", 1) - 1);
      const std::string gap = line.substr(1 + id.size(), line.find('"', 1 + id.size()) - 1 - id.size());
      if (id == docType) {
        EXPECT_EQ(gap, std::string(9, ' ')) << line;
      } else if (id == "AFX_IDS_DESKACCESSORY") {
        EXPECT_EQ(gap, "\t");
      } else {
        EXPECT_EQ(id.size() + gap.size(), 24u) << line;
      }
      EXPECT_EQ(line.back(), '"') << line;
    }
    EXPECT_EQ(rows, 2 + 2 + 6 + 36 + 12) << name;
    for (std::size_t i = 378; i < 412; ++i) {
      if (!StartsWith(lines[i], "\t\t\tVALUE \"")) continue;
      ++values;
      std::string row = lines[i].substr(3);
      EXPECT_EQ(row[25], '"') << row;
      EXPECT_NE(row[24], '"') << row;
      EXPECT_EQ(row.substr(row.size() - 3), "\\0\"") << row;
    }
    EXPECT_EQ(values, 9) << name;
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

// The view base class and the frame kind reach none of the three files.
TEST(ResourceFiles, ViewBaseAndFrameKindLeaveThemByteIdentical) {
  struct Case {
    const char* base;
    FrameKind kind;
  } cases[] = {{"CView", FrameKind::Single},
               {"CListView", FrameKind::Multiple},
               {"CDaoRecordView", FrameKind::Single},
               {"", FrameKind::Multiple}};
  for (const auto& c : cases) {
    auto settings = test::Settings("Demo", "C:\\Work", c.base);
    settings.Kind = c.kind;
    for (const char* file : kFiles)
      EXPECT_EQ(test::Render(file, settings), test::Render(file, test::Settings("Demo"))) << file << " with " << c.base;
  }
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
