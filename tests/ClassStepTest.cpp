#include <gtest/gtest.h>

#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

struct Fields {
  std::string className, header, base, implementation;
  bool baseEnabled;
};

Fields Shown(const TVantrel& w) {
  return {w.ClassName->Text(), w.HeaderFile->Text(), w.BaseClass->Text(),
          w.ImplementationFile->Text(), w.BaseClass->Enabled()};
}

void ExpectFields(const TVantrel& w, const Fields& f, const std::string& where) {
  Fields shown = Shown(w);
  EXPECT_EQ(shown.className, f.className) << where;
  EXPECT_EQ(shown.header, f.header) << where;
  EXPECT_EQ(shown.base, f.base) << where;
  EXPECT_EQ(shown.implementation, f.implementation) << where;
  EXPECT_EQ(shown.baseEnabled, f.baseEnabled) << where;
}

void OnStepSix(Ui& ui, const std::string& name, HeadlessBackend::FormScript script) {
  TVantrel wizard(&ui.app);
  wizard.Settings().Name = name;
  wizard.Settings().Location = "C:\\Work";
  ui.Expect("TVantrel", [script](UserDriver& user) {
    for (int i = 0; i < 5; ++i) user.Click("NextBtn");
    script(user);
    user.Close();
  });
  wizard.ShowModal();
  EXPECT_TRUE(ui.backend.Problems().empty());
}

TEST(ClassStep, EachRowShowsItsClass) {
  for (bool single : {false, true}) {
    Ui ui;
    OnStepSix(ui, "demo", [single](UserDriver& user) {
      auto& w = static_cast<TVantrel&>(user.Form());
      EXPECT_EQ(w.ClassList->Items(),
                (std::vector<std::string>{"CdemoApp", "CMainFrame", "CdemoDoc", "CdemoView"}));
      EXPECT_EQ(w.ClassList->ItemIndex(), -1);
      ExpectFields(w, {"", "", "", "", false}, "entered");
      if (single) w.SDISelect->SetChecked(true);
      const Fields rows[] = {
          {"CdemoApp", "demo.h", "CWinApp", "demo.cpp", false},
          {"CMainFrame", "MainFrm.h", "CFrameWnd", "MainFrm.cpp", false},
          {"CdemoDoc", "demoDoc.h", "CDoc", "demoDoc.cpp", false},
          {"CdemoView", "demoView.h", "CView", "demoView.cpp", true},
      };
      for (int row : {3, 0, 1, 2, 3}) {
        user.ClickItem("ClassList", row);
        ExpectFields(w, rows[row], "row " + std::to_string(row));
      }
      // A click below the items changes nothing.
      user.ClickItem("ClassList", 7);
      ExpectFields(w, rows[3], "empty area");
    });
  }
}

TEST(ClassStep, TheViewBaseClassIsChosenOnlyByTheUser) {
  Ui ui;
  OnStepSix(ui, "Demo", [](UserDriver& user) {
    auto& w = static_cast<TVantrel&>(user.Form());
    EXPECT_FALSE(user.Pick("BaseClass", 2));  // Disabled until the view row.
    user.ClickItem("ClassList", 3);
    EXPECT_TRUE(user.Pick("BaseClass", 2));
    EXPECT_EQ(w.Settings().ViewBaseClass, "CListView");
    user.Press(Key::Down, 3);  // Arrow keys pick too.
    EXPECT_EQ(w.Settings().ViewBaseClass, "CTreeView");
    user.Type("abc");
    user.Press(Key::Backspace);
    EXPECT_EQ(w.BaseClass->Text(), "CTreeView");
    // Other rows show their own base class without touching the setting.
    user.ClickItem("ClassList", 0);
    EXPECT_EQ(w.BaseClass->Text(), "CWinApp");
    EXPECT_EQ(w.Settings().ViewBaseClass, "CTreeView");
    user.ClickItem("ClassList", 3);
    EXPECT_EQ(w.BaseClass->Text(), "CTreeView");
    // Back and Next keep the choice and rebuild four entries.
    user.Click("BackBtn");
    EXPECT_TRUE(w.ClassList->Items().empty());
    ExpectFields(w, {"CDemoView", "DemoView.h", "CTreeView", "DemoView.cpp", true}, "after Back");
    user.Click("NextBtn");
    EXPECT_EQ(w.ClassList->Items().size(), 4u);
    EXPECT_EQ(w.Settings().ViewBaseClass, "CTreeView");
  });
}

}  // namespace
}  // namespace vantrel::test
