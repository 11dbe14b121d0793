#include <gtest/gtest.h>

#include "generator/Summary.h"
#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

TEST(SummaryDialog, ListsTheLinesOfTheSummaryOnce) {
  const struct {
    const char *iface, *base, *line9;  // No ninth line: no view line.
  } cases[] = {
      {"Multiple Document Interface ", "CView", "  View : CDemoView in DemoView.h and DemoView.cpp"},
      {"Single Document Interface ", "CRichEditView", "  RichEditView : CDemoView in DemoView.h and DemoView.cpp"},
      {"Multiple Document Interface ", "CFormView", "  FormView : CDemoView in DemoView.h and DemoView.cpp"},
      {"Multiple Document Interface ", "", nullptr},
      {"Multiple Document Interface ", "cview", nullptr},
  };
  for (const auto& c : cases) {
    Ui ui;
    TNewProInfo info(&ui.app);
    EXPECT_TRUE(info.WizardInfo->Lines().empty());
    info.InstallDir = "C:\\Work";
    info.ProjectName = "Demo";
    info.InterfaceText = c.iface;
    info.ViewBaseClass = c.base;
    ui.Expect("TNewProInfo", [&](UserDriver& user) {
      const auto& lines = info.WizardInfo->Lines();
      ASSERT_EQ(lines.size(), c.line9 ? 19u : 18u) << c.base;
      EXPECT_EQ(lines, SummaryLines("Demo", c.iface, c.base));
      EXPECT_EQ(lines[1], std::string("  ") + c.iface + "Application targeting");
      EXPECT_EQ(lines[8], c.line9 ? c.line9 : "") << c.base;
      EXPECT_EQ(info.InstallDirLabel->Caption(), "C:\\Work");
      EXPECT_EQ(user.Focused(), "OkBtn");
      user.Click("CancelBtn");
    });
    EXPECT_EQ(info.ShowModal(), mrCancel);
  }
}

}  // namespace
}  // namespace vantrel::test
