#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <utility>

#include "generator/ViewBases.h"
#include "tests/OutlineTable.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

const std::vector<std::string> kViewBases = OfferedViewBaseNames();
const char* const kFiles[] = {"{Name}Doc.cpp",  "{Name}Doc.h", "{Name}View.cpp",
                              "{Name}View.h",   "MainFrm.cpp", "MainFrm.h"};
enum { kDocCpp, kDocH, kViewCpp, kViewH, kFrameCpp, kFrameH };

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// For every name and base: the outline (tests/data/docview-outline.tsv)
// and tab indentation without trailing blanks. Only the
// view header's inline accessor is indented with blanks, and only the
// creation handler's continued conditions follow their tabs with blanks.
TEST(DocViewFrame, OutlineAndIndentation) {
  const auto outline = test::LoadOutline("docview-outline.tsv");
  const std::set<int> exceptions[] = {{}, {}, {}, {58}, {84, 92}, {}};
  for (const char* name : {"Demo", "demo2", "X"}) {
    for (const std::string& base : kViewBases) {
      const auto settings = test::Settings(name, "C:\\Work", base);
      test::ExpectOutline(outline, settings);
      for (std::size_t f = 0; f < std::size(kFiles); ++f)
        test::ExpectLineRules(kFiles[f], test::RenderLines(kFiles[f], settings), test::Indent::Tabs,
                              exceptions[f]);
    }
  }
}

// The view base class is spliced at seven places and nowhere else, exactly
// as held: rendering with a marker and replacing the marker must give the
// same text as rendering with the class itself.
TEST(DocViewFrame, ViewBaseAtExactlySevenPlaces) {
  const std::string marker = "\x01";
  const std::set<std::pair<int, std::size_t>> places = {{kViewCpp, 27}, {kViewCpp, 29}, {kViewCpp, 35},
                                                       {kViewCpp, 36}, {kViewCpp, 88}, {kViewCpp, 93},
                                                       {kViewH, 13}};
  std::set<std::pair<int, std::size_t>> found;
  std::string marked[std::size(kFiles)];
  for (int f = 0; f < static_cast<int>(std::size(kFiles)); ++f) {
    marked[f] = test::Render(kFiles[f], test::Settings("Demo", "C:\\Work", marker));
    auto lines = test::SplitLines(marked[f]);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      auto count = std::count(lines[i].begin(), lines[i].end(), marker[0]);
      if (count > 0) found.insert({f, i + 1});
      EXPECT_LE(count, 1) << kFiles[f] << ":" << i + 1;
    }
  }
  EXPECT_EQ(found, places);
  for (const char* base : {"CView", "CEditView", "CTreeView", "", "cview"})
    for (int f = 0; f < static_cast<int>(std::size(kFiles)); ++f)
      EXPECT_EQ(test::Render(kFiles[f], test::Settings("Demo", "C:\\Work", base)), ReplaceAll(marked[f], marker, base))
          << kFiles[f] << " with '" << base << "'";
}

// The project name is spliced exactly as typed: never raised, never trimmed.
// The main frame header holds no name, its source only the one include.
TEST(DocViewFrame, NameSplicedAsTyped) {
  const std::string marker = "\x01";
  const std::size_t occurrences[] = {20, 8, 28, 13, 1, 0};
  for (std::size_t f = 0; f < std::size(kFiles); ++f) {
    const auto marked = test::Render(kFiles[f], test::Settings(marker));
    EXPECT_EQ(static_cast<std::size_t>(std::count(marked.begin(), marked.end(), marker[0])), occurrences[f])
        << kFiles[f];
    for (const char* name : {"Demo", "demo2", "a_B9", "\xe4x"})
      EXPECT_EQ(test::Render(kFiles[f], test::Settings(name)), ReplaceAll(marked, marker, name))
          << kFiles[f] << " for " << name;
  }
}

// Through a whole run the six files land under their own names, one after
// the other, with the text their writers produce, for either frame kind.
TEST(DocViewFrame, RunWritesThemInOrderUnderTheirNames) {
  for (FrameKind kind : {FrameKind::Multiple, FrameKind::Single}) {
    for (const char* name : {"Demo", "demo2"}) {
      auto settings = test::Settings(name);
      settings.Kind = kind;
      test::Generated g;
      test::Generate(g, settings);
      const auto& log = g.fs.CreateLog();
      auto at = std::find(log.begin(), log.end(), "C:\\Work\\" + ReplaceAll(kFiles[0], "{Name}", name));
      ASSERT_GE(std::distance(at, log.end()), static_cast<std::ptrdiff_t>(std::size(kFiles))) << name;
      for (const char* file : kFiles) {
        const std::string relative = ReplaceAll(file, "{Name}", name);
        EXPECT_EQ(*at++, "C:\\Work\\" + relative);
        EXPECT_EQ(g.Text(relative), test::Render(file, test::Settings(name))) << relative;
      }
    }
  }
}

}  // namespace
}  // namespace vantrel
