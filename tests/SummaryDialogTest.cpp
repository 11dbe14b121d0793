#include <gtest/gtest.h>

#include "generator/Summary.h"
#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

// Shows the summary with the four texts and returns its lines and label.
std::pair<std::vector<std::string>, std::string> Show(const std::string& dir,
                                                      const std::string& name,
                                                      const std::string& iface,
                                                      const std::string& base) {
  Ui ui;
  TNewProInfo info(&ui.app);
  EXPECT_TRUE(info.WizardInfo->Lines().empty());
  info.InstallDir = dir;
  info.ProjectName = name;
  info.InterfaceText = iface;
  info.ViewBaseClass = base;
  std::pair<std::vector<std::string>, std::string> shown;
  ui.Expect("TNewProInfo", [&](UserDriver& user) {
    shown = {info.WizardInfo->Lines(), info.InstallDirLabel->Caption()};
    EXPECT_EQ(user.Focused(), "OkBtn");
    user.Click("CancelBtn");
  });
  EXPECT_EQ(info.ShowModal(), mrCancel);
  return shown;
}

TEST(SummaryDialog, ListsTheLinesOfTheSummaryOnce) {
  struct Case {
    const char* iface;
    const char* base;
    std::size_t lines;
    const char* line9;
  } cases[] = {
      {"Multiple Document Interface ", "CView", 19,
       "  View : CDemoView in DemoView.h and DemoView.cpp"},
      {"Single Document Interface ", "CRichEditView", 19,
       "  RichEditView : CDemoView in DemoView.h and DemoView.cpp"},
      {"Multiple Document Interface ", "CFormView", 19,
       "  FormView : CDemoView in DemoView.h and DemoView.cpp"},
      {"Multiple Document Interface ", "", 18, ""},
      {"Multiple Document Interface ", "cview", 18, ""},
  };
  for (const Case& c : cases) {
    auto [lines, label] = Show("C:\\Work", "Demo", c.iface, c.base);
    ASSERT_EQ(lines.size(), c.lines) << c.base;
    EXPECT_EQ(lines, SummaryLines("Demo", c.iface, c.base));
    EXPECT_EQ(lines[1], std::string("  ") + c.iface + "Application targeting");
    EXPECT_EQ(lines[8], c.lines == 19 ? c.line9 : "") << c.base;
    EXPECT_EQ(label, "C:\\Work");
  }
}

TEST(SummaryDialog, StartState) {
  Ui ui;
  TNewProInfo info(&ui.app);
  EXPECT_EQ(info.Caption(), "New Project Information");
  EXPECT_FALSE(info.HelpButton());
  EXPECT_TRUE(info.WizardInfo->ReadOnly());
  EXPECT_FALSE(info.WizardInfo->TabStop());
  EXPECT_FALSE(info.InstallDirLabel->AutoSize());
}

}  // namespace
}  // namespace vantrel::test
