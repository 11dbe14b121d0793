// The template language, and every generated file against the golden files.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <set>

#include "generator/GeneratedFile.h"
#include "generator/OutputWriter.h"
#include "generator/Template.h"
#include "generator/TemplateWriter.h"
#include "generator/ViewBases.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(VANTREL_SOURCE_DIR) / "tests" / "golden";
constexpr const char* kSuffix = ".golden";

std::optional<std::string> ReadGolden(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every generated file of "Demo", byte for byte: the whole project with the
// default base (tests/golden/CView/*.golden), and for each other base the
// files that differ (tests/golden/<Base>). scripts/update-golden.sh rewrites
// them after a deliberate change.
TEST(GoldenFiles, EveryGeneratedFileMatchesByteForByte) {
  const std::string defaultBase = ProjectSettings{}.ViewBaseClass;
  for (const std::string& base : OfferedViewBaseNames()) {
    SCOPED_TRACE(base);
    const ProjectSettings settings = test::Settings("Demo", "C:\\Work", base);
    test::Generated generated;
    test::Generate(generated, settings);
    ASSERT_TRUE(generated.report.Succeeded());
    std::set<fs::path> used;
    for (const auto& file : GeneratedFiles()) {
      std::string relative = RelativePath(file, settings);
      const std::string actual = generated.Text(relative);
      std::replace(relative.begin(), relative.end(), '\\', '/');
      relative += kSuffix;
      const auto own = ReadGolden(kGolden / base / relative);
      const auto shared = ReadGolden(kGolden / defaultBase / relative);
      used.insert(kGolden / (own ? base : defaultBase) / relative);
      if (own && base != defaultBase)
        EXPECT_NE(own, shared) << relative << " is the same for " << defaultBase << "; rerun scripts/update-golden.sh";
      const auto& expected = own ? own : shared;
      ASSERT_TRUE(expected.has_value()) << "no golden file for " << relative;
      EXPECT_EQ(*expected, actual) << relative;
    }
    if (!fs::exists(kGolden / base)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(kGolden / base))
      if (entry.is_regular_file()) EXPECT_TRUE(used.count(entry.path())) << entry.path() << " is no generated file";
  }
}

// Only the name and the base reach the text: the frame kind, location,
// separator and derived class names leave every file alone.
TEST(GoldenFiles, OnlyTheNameAndTheBaseReachTheText) {
  const std::function<void(ProjectSettings&)> changes[] = {
      [](ProjectSettings& s) { s.Kind = FrameKind::Single; },
      [](ProjectSettings& s) { s.Location = "D:\\Other\\Place\\"; },
      [](ProjectSettings& s) { s.Separator = "\\"; },
      [](ProjectSettings& s) { s.AppClassName = s.DocClassName = s.ViewClassName = s.FrameClassName = "CWrong"; },
      [](ProjectSettings& s) { s.AppClassName = s.DocClassName = s.ViewClassName = s.FrameClassName = ""; },
  };
  for (const std::string& base : OfferedViewBaseNames()) {
    const ProjectSettings reference = test::Settings("Demo", "C:\\Work", base);
    for (const auto& file : GeneratedFiles()) {
      if (file.text == nullptr) continue;
      const std::string name(file.relativeName), text = test::Render(name, reference);
      for (std::size_t c = 0; c < std::size(changes); ++c) {
        ProjectSettings changed = reference;
        changes[c](changed);
        EXPECT_EQ(test::Render(name, changed), text) << name << " with " << base << ", change " << c;
      }
    }
  }
}

// Any name is spliced as typed: a file rendered for a marker name, with the
// name put where the marker stands, is the file rendered for the name.
TEST(GoldenFiles, TheNameIsSplicedAsTypedInEveryFile) {
  const std::string marker = "Qz9xQ";
  const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
    return text;
  };
  for (const auto& file : GeneratedFiles()) {
    if (file.text == nullptr) continue;
    const std::string name(file.relativeName);
    const ProjectSettings markerSettings = test::Settings(marker);
    const std::string marked = test::Render(name, markerSettings);
    const std::string names[] = {"A", "demo2", "a_B9", std::string(200, 'x')};
    for (const std::string& typed : names) {
      const ProjectSettings settings = test::Settings(typed);
      const std::string expected =
          replaced(replaced(marked, marker, settings.Name), markerSettings.UpperName(), settings.UpperName());
      EXPECT_TRUE(test::Render(name, settings) == expected) << name << " for " << typed;
    }
  }
}

// Expands one template text for the project "demo2" with base CListView.
std::string Expand(std::string_view text) {
  TemplateSet set({{"common/notice", "// one\n// two\n"}, {"t", text}});
  OutputWriter out;
  WriteTemplate(set.Get("t").Runs(), SpliceValues(test::Settings("demo2", "C:\\", "CListView")), out);
  return out.Buffer();
}

TEST(Template, SplicesAndLiteralBraces) {
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {"C{Name}App {NAME} {Base}\n", "Cdemo2App DEMO2 CListView\r\n"},
      {"//{{AFX_MSG(C{Name}App)\n", "//{{AFX_MSG(Cdemo2App)\r\n"},
      {"//{{{NO_DEPENDENCIES}}\n", "//{{NO_DEPENDENCIES}}\r\n"},
      {"{{Name}\n", "{Name}\r\n"},
      {"enum { IDD = 1 }; {$< } {0} {\n", "enum { IDD = 1 }; {$< } {0} {\r\n"},
      {"\t\ta\\b \n", "\t\ta\\b \r\n"},  // Tabs, backslashes and trailing blanks stay.
      {"\n\n", "\r\n\r\n"},
      {"x\n{>common/notice}\ny\n", "x\r\n// one\r\n// two\r\ny\r\n"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Expand(c.text), c.expected) << c.text;
}

TEST(Template, FaultsAreCaughtWhenTheSetIsBuilt) {
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"ok\n{Nmae}\n", "line 2: unknown splice {Nmae}"},
      {"{name}\n", "unknown splice {name}"},
      {"{BASE}\n", "unknown splice {BASE}"},
      {"a\r\n", "carriage return"},
      {"no line feed", "last line has no line feed"},
      {"{>common/nothing}\n", "no template common/nothing"},
      {"{>t}\n", "only one level"},
  };
  for (const auto& c : cases) {
    const std::string error =
        test::ErrorOf<TemplateError>([&] { TemplateSet(std::vector<TemplateSet::Source>{{"t", c.text}}); });
    EXPECT_NE(error.find(c.message), std::string::npos) << c.text << ": " << error;
  }
  TemplateSet set({{"common/notice", "1\n"}, {"t", "a\n"}});
  EXPECT_THROW(set.Get("missing"), TemplateError);
}

}  // namespace
}  // namespace vantrel
