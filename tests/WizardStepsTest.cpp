#include <gtest/gtest.h>

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
    EXPECT_EQ(w.Settings().ViewBaseClass, "CView");
    EXPECT_TRUE(w.MDISelect->Checked());
    EXPECT_EQ(w.Step1Image->PictureName(), "MDI");
    EXPECT_EQ(w.Image1->Canvas().Pixels().Width, 180);  // The strip holds the module's picture.
    EXPECT_EQ(w.Image6->PictureName(), "");
    ExpectStep(user, 1);
    for (int step = 2; step <= 6; ++step) {
      user.Click("NextBtn");
      ExpectStep(user, step);
    }
    EXPECT_EQ(user.Focused(), "FinishBtn");
    EXPECT_EQ(w.Image6->PictureName(), "FINALIMAGE");
    EXPECT_FALSE(user.Click("NextBtn"));
    for (int step = 5; step >= 1; --step) {
      user.Click("BackBtn");
      ExpectStep(user, step);
    }
    EXPECT_FALSE(user.Click("BackBtn"));
    // Back and forth never doubles the class list.
    for (int i = 0; i < 2; ++i) {
      for (int step = 2; step <= 6; ++step) user.Alt('n');
      ExpectStep(user, 6);
      user.Alt('b');
      ExpectStep(user, 5);
    }
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

}  // namespace
}  // namespace vantrel::test
