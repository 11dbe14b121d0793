// The six steps' pages, buttons and pictures, and the class step.

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "platform/toolkit/ModuleBitmaps.h"
#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

// The page and the enabled buttons of each step: Back, Next, Finish.
void ExpectStep(UserDriver& user, int step) {
  auto& w = static_cast<TVantrel&>(user.Form());
  EXPECT_EQ(w.Caption(), "MFC Vantrel - Step " + std::to_string(step) + " of 6");
  EXPECT_EQ(w.PageControl->ActivePage()->Name(), "Step" + std::to_string(step));
  EXPECT_EQ(std::tuple(w.BackBtn->Enabled(), w.NextBtn->Enabled(), w.FinishBtn->Enabled()),
            std::tuple(step > 1, step < 6, step == 6))
      << step;
  EXPECT_EQ(w.ClassList->Items().size(), step == 6 ? 4u : 0u) << step;
}

TEST(WizardSteps, NextAndBackWalkAllSixSteps) {
  Ui ui;
  ui.Expect("TVantrel", [](UserDriver& user) {
    auto& w = static_cast<TVantrel&>(user.Form());
    EXPECT_EQ(w.Step1Image->PictureName(), "MDI");
    EXPECT_EQ(w.Image1->Canvas().Pixels().Width, 180);  // The strip holds the module's picture.
    EXPECT_EQ(w.Image6->PictureName(), "");
    // Tab's stops from the focus (on Finish in step 6).
    const std::map<int, std::vector<std::string>> cycles = {
        {1, {"NextBtn", "MDISelect", "CancelBtn"}},
        {5, {"NextBtn", "YesDocSelect", "CancelBtn", "BackBtn"}},
        {6, {"FinishBtn", "ClassList", "ClassName", "CancelBtn", "BackBtn"}},
    };
    for (int step = 1; step <= 6; ++step) {
      if (step > 1) user.Click("NextBtn");
      ExpectStep(user, step);
      if (cycles.contains(step)) EXPECT_EQ(TabCycle(user), cycles.at(step)) << step;
    }
    EXPECT_EQ(w.Image6->PictureName(), "FINALIMAGE");
    EXPECT_FALSE(user.Click("NextBtn"));
    for (int step = 5; step >= 1; --step) {
      user.Click("BackBtn");
      ExpectStep(user, step);
    }
    EXPECT_FALSE(user.Click("BackBtn"));
    // The access keys walk too; back on step 6 the class list is not doubled.
    for (int step = 2; step <= 6; ++step) user.Alt('n');
    ExpectStep(user, 6);
    user.Alt('b');
    ExpectStep(user, 5);
    user.Click("CancelBtn");
  });
  ui.RunWizard();
}

TEST(WizardSteps, RadioButtonsChangeOnlyTheirPictures) {
  Ui ui;
  ui.Expect("TVantrel", [](UserDriver& user) {
    auto& w = static_cast<TVantrel&>(user.Form());
    const struct {
      const char *click, *image, *shows;
    } actions[] = {
        {"SDISelect", "Step1Image", "SDI"},       {"MDISelect", "Step1Image", "MDI"},
        {"SDISelect", "Step1Image", "SDI"},       {"NextBtn", "Step1Image", "SDI"},
        {"NextBtn", "Step5Image", "STEP5_DOC"},   {"NextBtn", "Step5Image", "STEP5_DOC"},
        {"NextBtn", "Step5Image", "STEP5_DOC"},   {"NoDocSelect", "Step5Image", "STEP5_NODOC"},
        {"YesDocSelect", "Step5Image", "STEP5_DOC"}, {"NoDocSelect", "Step5Image", "STEP5_NODOC"},
        {"BackBtn", "Step5Image", "STEP5_NODOC"}, {"NextBtn", "Step5Image", "STEP5_NODOC"},
    };
    for (const auto& a : actions) {
      EXPECT_TRUE(user.Click(a.click)) << a.click;
      EXPECT_EQ(user.Get<TImage>(a.image).PictureName(), a.shows) << a.click;
    }
    EXPECT_TRUE(w.SDISelect->Checked());
    EXPECT_EQ(w.Settings().Kind, FrameKind::Multiple);  // Read only by Finish.
    // The disabled buttons bound to the same handlers never fire.
    for (const char* name : {"RadioButton10", "RadioButton11", "DlgBaseSelect", "UpDown1"})
      EXPECT_FALSE(w.Find<TControl>(name)->EnabledInTree() && user.Click(name)) << name;
    user.Close();
  });
  ui.RunWizard();
}

TEST(WizardSteps, AnErrorInNextIsSwallowedAndLeavesWhatWasDone) {
  Ui ui;
  ui.Expect("TVantrel", [](UserDriver& user) {
    for (int i = 0; i < 4; ++i) user.Click("NextBtn");
    // Without the final picture, Next stops after showing page 6.
    {
      BitmapSourceScope noPictures([](std::string_view) { return std::optional<Pixmap>(); });
      user.Click("NextBtn");
    }
    auto& w = static_cast<TVantrel&>(user.Form());
    EXPECT_EQ(w.PageControl->ActivePage(), w.Step6);
    EXPECT_EQ(w.Caption(), "MFC Vantrel - Step 5 of 6");
    EXPECT_TRUE(w.NextBtn->Enabled());
    user.Close();
  });
  ui.RunWizard();
  EXPECT_TRUE(ui.backend.Messages().empty());
}

// The class step's fields, and whether the base class can be changed.
std::vector<std::string> Shown(const TVantrel& w) {
  return {w.ClassName->Text(), w.HeaderFile->Text(), w.BaseClass->Text(), w.ImplementationFile->Text(),
          w.BaseClass->Enabled() ? "enabled" : "disabled"};
}

// Runs the script on step 6 of a wizard for name.
void OnStepSix(Ui& ui, const std::string& name, HeadlessBackend::FormScript script) {
  ui.Expect("TVantrel", [script](UserDriver& user) {
    NextToStepSix(user);
    script(user);
    user.Close();
  });
  ui.RunWizard(name);
}

TEST(ClassStep, EachRowShowsItsClass) {
  Ui ui;
  OnStepSix(ui, "demo", [](UserDriver& user) {
    auto& w = static_cast<TVantrel&>(user.Form());
    EXPECT_EQ(w.ClassList->Items(), (std::vector<std::string>{"CdemoApp", "CMainFrame", "CdemoDoc", "CdemoView"}));
    EXPECT_EQ(w.ClassList->ItemIndex(), -1);
    EXPECT_EQ(Shown(w), (std::vector<std::string>{"", "", "", "", "disabled"}));
    const std::vector<std::string> rows[] = {
        {"CdemoApp", "demo.h", "CWinApp", "demo.cpp", "disabled"},
        {"CMainFrame", "MainFrm.h", "CFrameWnd", "MainFrm.cpp", "disabled"},
        {"CdemoDoc", "demoDoc.h", "CDoc", "demoDoc.cpp", "disabled"},
        {"CdemoView", "demoView.h", "CView", "demoView.cpp", "enabled"},
    };
    for (int row : {3, 0, 1, 2, 3}) {
      user.ClickItem("ClassList", row);
      EXPECT_EQ(Shown(w), rows[row]) << row;
    }
    user.ClickItem("ClassList", 7);  // A click below the items changes nothing.
    EXPECT_EQ(Shown(w), rows[3]);
  });
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
    // A read-only drop-down, which refuses every edit (see ToolkitEvents).
    EXPECT_FALSE(w.BaseClass->EditsText());
    // Other rows show their own base class without touching the setting.
    user.ClickItem("ClassList", 0);
    EXPECT_EQ(w.BaseClass->Text(), "CWinApp");
    EXPECT_EQ(w.Settings().ViewBaseClass, "CTreeView");
    user.ClickItem("ClassList", 3);
    EXPECT_EQ(w.BaseClass->Text(), "CTreeView");
    // Back and Next keep the choice and rebuild four entries.
    user.Click("BackBtn");
    EXPECT_TRUE(w.ClassList->Items().empty());
    EXPECT_EQ(Shown(w), (std::vector<std::string>{"CDemoView", "DemoView.h", "CTreeView", "DemoView.cpp", "enabled"}));
    user.Click("NextBtn");
    EXPECT_EQ(w.ClassList->Items().size(), 4u);
    EXPECT_EQ(w.Settings().ViewBaseClass, "CTreeView");
  });
}

// A base class that is not offered, however it got into the settings, is
// refused before any file is written.
TEST(ClassStep, TheRunRefusesABaseThatIsNotOffered) {
  for (const char* base : {"", "CMyOwnViewCView", "cview", "CFormView"}) {
    Generated g;
    Generate(g, Settings("Demo", "C:\\Work", base));
    ASSERT_EQ(g.report.refusals.size(), 1u) << base;
    EXPECT_EQ(g.report.refusals[0].what(),
              "Cannot create file C:\\Work\\DemoView.h: the view base class '" + std::string(base) +
                  "' is not one of the offered classes (CView, CEditView, CListView, CRichEditView, CScrollView, "
                  "CTreeView)");
    EXPECT_EQ(g.fs.Find("C:\\Work\\Demo.bpr"), nullptr) << base;
    EXPECT_TRUE(g.opener.calls.empty()) << base;
  }
}

}  // namespace
}  // namespace vantrel::test
