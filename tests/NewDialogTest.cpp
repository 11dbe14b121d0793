#include <gtest/gtest.h>

#include "generator/NameCheck.h"
#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

TEST(NewDialog, StartsWithTheCurrentDirectoryAndOkDisabled) {
  Ui ui;
  ui.Expect("TNewDlg", [](UserDriver& user) {
    auto& dlg = static_cast<TNewDlg&>(user.Form());
    EXPECT_EQ(dlg.ProjectName->Text(), "");
    EXPECT_EQ(dlg.ProjectDir->Text(), "C:\\Work");
    EXPECT_TRUE(dlg.ProjectDir->ReadOnly());
    EXPECT_FALSE(dlg.OkBtn->Enabled());
    // Only the second tab shows, and the fixed display takes no action.
    for (int tab : {0, 2, 3}) EXPECT_FALSE(user.SelectTab("PageControl", tab));
    EXPECT_EQ(dlg.PageControl->ActivePage(), dlg.TabSheet2);
    for (const char* name : {"RadioButton2", "CheckBox1", "ComboBox1", "CheckListBox"})
      EXPECT_FALSE(user.Click(name)) << name;
    user.Type("Demo");
    EXPECT_EQ(TabCycle(user), (std::vector<std::string>{"ProjectName", "ProjectDir", "ProjectDirDialog",
                                                       "RadioButton1", "OkBtn", "CancelBtn"}));
    user.Close();
  });
  ui.RunNewProject();
  EXPECT_EQ(ui.backend.Shown(), std::vector<std::string>{"TNewDlg"});
}

// OK is enabled when the name and the location are filled; Enter in either
// follows the table.
TEST(NewDialog, OkAndEnterFollowTheTable) {
  const struct {
    const char *name, *location;
    bool ok;
    const char* focus;
    std::vector<std::string> shown;
  } cases[] = {
      {"", "C:\\Work", false, "ProjectName", {"TNewDlg"}},
      {"", "", false, "ProjectName", {"TNewDlg"}},
      {"Demo", "", false, "ProjectDir", {"TNewDlg", "TDirChooser"}},
      {"Demo", "C:\\Work", true, "OkBtn", {"TNewDlg"}},
      {"D", "X", true, "OkBtn", {"TNewDlg"}},
  };
  for (const auto& c : cases) {
    Ui ui;
    ui.Expect("TNewDlg", [&](UserDriver& user) {
      auto& dlg = static_cast<TNewDlg&>(user.Form());
      dlg.ProjectName->SetText(c.name);
      dlg.ProjectDir->SetText(c.location);
      EXPECT_EQ(dlg.OkBtn->Enabled(), c.ok) << c.name << "|" << c.location;
      user.Press(Key::Tab);  // From the name to the location: Enter works in both.
      const std::string before = dlg.ProjectName->Text() + "|" + dlg.ProjectDir->Text();
      user.Press(Key::Enter);
      EXPECT_EQ(user.Focused(), c.focus) << c.name << "|" << c.location;
      // The character was discarded: neither text changed, nothing closed.
      EXPECT_EQ(dlg.ProjectName->Text() + "|" + dlg.ProjectDir->Text(), before);
      EXPECT_EQ(dlg.ModalResult(), mrNone);
      user.Click("CancelBtn");
    });
    if (c.shown.size() == 2) ui.Expect("TDirChooser", [](UserDriver& user) { user.Click("CancelBtn"); });
    ui.RunNewProject();
    EXPECT_EQ(ui.backend.Shown(), c.shown) << c.name;
  }
}

// A name the run would refuse, or whose files could not be written there,
// is refused at OK, whether clicked or reached by Enter.
TEST(NewDialog, RefusesANameTheRunWouldRefuse) {
  const struct {
    const char* name;
    std::size_t pathLimit;
    std::string message;
  } cases[] = {
      {"My App", 0, *ProjectNameProblem("My App")},
      {"Demo12345", sizeof "C:\\Work\\res\\Demo12345Doc.ico" - 3, "The project name is 3 characters too long for this"},
  };
  for (const auto& c : cases) {
    for (bool viaEnter : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (viaEnter ? " via Enter" : ""));
      Ui ui;
      if (c.pathLimit) ui.fs.SetPathLimit(c.pathLimit);
      ui.Expect("TNewDlg", [&](UserDriver& user) {
        user.Type(c.name);
        if (viaEnter) {
          user.Press(Key::Enter);
          EXPECT_EQ(user.Focused(), "OkBtn");
          EXPECT_TRUE(ui.backend.Messages().empty());
          user.Press(Key::Enter);
        } else {
          user.Click("OkBtn");
        }
        EXPECT_EQ(user.Form().ModalResult(), mrNone);
        EXPECT_EQ(user.Focused(), "ProjectName");
        EXPECT_TRUE(user.Get<TButton>("OkBtn").Enabled());
        user.Click("CancelBtn");
      });
      ui.RunNewProject();
      ASSERT_EQ(ui.backend.Messages().size(), 1u);
      EXPECT_EQ(ui.backend.Messages()[0].text.rfind(c.message, 0), 0u) << ui.backend.Messages()[0].text;
      EXPECT_EQ(ui.backend.Shown(), std::vector<std::string>{"TNewDlg"});
    }
  }
}

TEST(NewDialog, AnErrorInsideTheWizardIsDroppedByRunWizard) {
  Ui ui;
  ui.Expect("TNewDlg", [](UserDriver& user) {
    user.Type("Demo");
    user.Click("OkBtn");
  });
  ui.Expect("TVantrel", [](UserDriver& user) {
    // An error in the show handler escapes ShowModal itself.
    user.Form().OnShow = nullptr;
    throw std::runtime_error("lost");
  });
  EXPECT_NO_THROW(ui.RunNewProject());
  EXPECT_TRUE(ui.backend.Messages().empty());
  EXPECT_EQ(Vantrel, nullptr);
}

}  // namespace
}  // namespace vantrel::test
