#include <gtest/gtest.h>

#include "platform/toolkit/ModuleBitmaps.h"
#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

// Shows a wizard for "Demo" in "C:\Work" and runs the script on it.
void WithWizard(Ui& ui, HeadlessBackend::FormScript script) {
  TVantrel wizard(&ui.app);
  wizard.Settings().Name = "Demo";
  wizard.Settings().Location = "C:\\Work";
  ui.Expect("TVantrel", std::move(script));
  wizard.ShowModal();
  EXPECT_TRUE(ui.backend.Problems().empty());
}

struct StepState {
  const char* page;
  bool back;
  bool next;
  bool finish;
};

void ExpectStep(UserDriver& user, int step, const StepState& s) {
  auto& w = static_cast<TVantrel&>(user.Form());
  EXPECT_EQ(w.Caption(), "MFC Vantrel - Step " + std::to_string(step) + " of 6");
  EXPECT_EQ(w.PageControl->ActivePage()->Name(), s.page);
  EXPECT_EQ(w.BackBtn->Enabled(), s.back) << step;
  EXPECT_EQ(w.NextBtn->Enabled(), s.next) << step;
  EXPECT_EQ(w.FinishBtn->Enabled(), s.finish) << step;
  EXPECT_EQ(w.ClassList->Items().size(), step == 6 ? 4u : 0u) << step;
}

const StepState kSteps[] = {
    {"Step1", false, true, false}, {"Step2", true, true, false}, {"Step3", true, true, false},
    {"Step4", true, true, false},  {"Step5", true, true, false}, {"Step6", true, false, true},
};

TEST(WizardSteps, StartState) {
  Ui ui;
  TVantrel wizard(&ui.app);
  EXPECT_EQ(wizard.Settings().ViewBaseClass, "CView");
  EXPECT_EQ(wizard.ClientWidth(), 604);
  EXPECT_TRUE(wizard.MDISelect->Checked());
  EXPECT_EQ(wizard.Font(), (TFont{"MS Sans Serif", 11, false}));
  EXPECT_EQ(wizard.SDISelect->Font(), (TFont{"Arial", 13, true}));
  struct Picture {
    TImage* image;
    const char* name;
  } pictures[] = {
      {wizard.Image1, "BACKIMAGE"},   {wizard.Image5, "BACKIMAGE"},
      {wizard.Image6, ""},            {wizard.Step1Image, "MDI"},
      {wizard.Step2Image, "STEP2IMAGE"}, {wizard.Step3Image, "SDI"},
      {wizard.Step4Image, "INTERFACE"}, {wizard._3DCtrlImage, "3DCTRL"},
      {wizard.Step5Image, "STEP5_DOC"},
  };
  for (const Picture& p : pictures) EXPECT_EQ(p.image->PictureName(), p.name) << p.image->Name();
  // The strip really holds the module's picture.
  EXPECT_EQ(wizard.Image1->Canvas().Pixels().Width, 180);
}

TEST(WizardSteps, NextAndBackWalkAllSixSteps) {
  Ui ui;
  WithWizard(ui, [](UserDriver& user) {
    ExpectStep(user, 1, kSteps[0]);
    for (int step = 2; step <= 6; ++step) {
      user.Click("NextBtn");
      ExpectStep(user, step, kSteps[step - 1]);
    }
    EXPECT_EQ(user.Focused(), "FinishBtn");
    EXPECT_EQ(user.Get<TImage>("Image6").PictureName(), "FINALIMAGE");
    EXPECT_FALSE(user.Click("NextBtn"));
    for (int step = 5; step >= 1; --step) {
      user.Click("BackBtn");
      ExpectStep(user, step, kSteps[step - 1]);
    }
    EXPECT_FALSE(user.Click("BackBtn"));
    // Back and forth never doubles the class list.
    for (int i = 0; i < 2; ++i) {
      for (int step = 2; step <= 6; ++step) user.Alt('n');
      ExpectStep(user, 6, kSteps[5]);
      user.Alt('b');
      ExpectStep(user, 5, kSteps[4]);
    }
    user.Click("CancelBtn");
  });
}

TEST(WizardSteps, RadioButtonsChangeOnlyTheirPictures) {
  Ui ui;
  WithWizard(ui, [](UserDriver& user) {
    auto& w = static_cast<TVantrel&>(user.Form());
    struct Action {
      const char* click;
      const char* image;
      const char* shows;
    } actions[] = {
        {"SDISelect", "Step1Image", "SDI"},       {"MDISelect", "Step1Image", "MDI"},
        {"SDISelect", "Step1Image", "SDI"},       {"NextBtn", "Step1Image", "SDI"},
        {"NextBtn", "Step5Image", "STEP5_DOC"},   {"NextBtn", "Step5Image", "STEP5_DOC"},
        {"NextBtn", "Step5Image", "STEP5_DOC"},   {"NoDocSelect", "Step5Image", "STEP5_NODOC"},
        {"YesDocSelect", "Step5Image", "STEP5_DOC"}, {"NoDocSelect", "Step5Image", "STEP5_NODOC"},
        {"BackBtn", "Step5Image", "STEP5_NODOC"}, {"NextBtn", "Step5Image", "STEP5_NODOC"},
    };
    for (const Action& a : actions) {
      EXPECT_TRUE(user.Click(a.click)) << a.click;
      EXPECT_EQ(user.Get<TImage>(a.image).PictureName(), a.shows) << a.click;
    }
    EXPECT_TRUE(w.SDISelect->Checked());
    EXPECT_EQ(w.Settings().Kind, FrameKind::Multiple);  // Read only by Finish.
    // The disabled buttons bound to the same handlers never fire.
    for (const char* name : {"RadioButton10", "RadioButton11", "DlgBaseSelect", "UpDown1"})
      EXPECT_FALSE(w.Find<TControl>(name)->EnabledInTree() && user.Click(name)) << name;
    EXPECT_EQ(w.Find<TEdit>("RrecentFilesValue")->Text(), "4");
    user.Close();
  });
}

TEST(WizardSteps, AnErrorInNextIsSwallowedAndLeavesWhatWasDone) {
  Ui ui;
  WithWizard(ui, [](UserDriver& user) {
    for (int i = 0; i < 4; ++i) user.Click("NextBtn");
    // Without the final picture, Next stops after showing page 6.
    SetModuleBitmapSource([](std::string_view) { return std::optional<Pixmap>(); });
    user.Click("NextBtn");
    SetModuleBitmapSource(nullptr);
    auto& w = static_cast<TVantrel&>(user.Form());
    EXPECT_EQ(w.PageControl->ActivePage(), w.Step6);
    EXPECT_EQ(w.Caption(), "MFC Vantrel - Step 5 of 6");
    EXPECT_TRUE(w.NextBtn->Enabled());
    user.Close();
  });
  EXPECT_TRUE(ui.backend.Messages().empty());
}

}  // namespace
}  // namespace vantrel::test
