#include <gtest/gtest.h>

#include "generator/OutputWriter.h"
#include "generator/Template.h"
#include "generator/TemplateWriter.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

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
    try {
      TemplateSet set(std::vector<TemplateSet::Source>{{"t", c.text}});
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const TemplateError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
}

TEST(Template, LineCountIncludesIncludedLines) {
  TemplateSet set({{"common/notice", "1\n2\n3\n"}, {"t", "a\n{>common/notice}\nb\n"}});
  EXPECT_EQ(set.Get("t").LineCount(), 5u);
  EXPECT_THROW(set.Get("missing"), TemplateError);
}

}  // namespace
}  // namespace vantrel
