// What a user meets before files are replaced: one question, which names
// them. (Each dialog's own test pins its tab cycle.)

#include <gtest/gtest.h>

#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

TEST(DialogRules, ReplacingExistingFilesIsConfirmedFirst) {
  // Another project's fixed files in the same folder: the question names
  // them in the run's order, eight at most, and No is its default answer.
  const std::vector<std::string> names = {"resource.h", "MainFrm.cpp", "MainFrm.h",  "Globals.cpp",
                                          "Globals.h",  "toolbar.cpp", "toolbar.h",  "statbar.cpp",
                                          "statbar.h",  "stdafx.cpp",  "stdafx.h",   "res\\toolbar.bmp"};
  struct Case {
    std::size_t existing;
    const char* text;
  } cases[] = {
      {1,
       "This file of the new project already exists in C:\\Work and will be replaced:\n\n"
       "    resource.h\n\nReplace it?"},
      {12,
       "These files of the new project already exist in C:\\Work and will be replaced:\n\n"
       "    resource.h\n    MainFrm.cpp\n    MainFrm.h\n    Globals.cpp\n    Globals.h\n"
       "    toolbar.cpp\n    toolbar.h\n    statbar.cpp\n    and 4 more\n\nReplace them?"},
  };
  for (const Case& c : cases) {
    for (TModalResult answer : {mrNo, mrYes}) {
      Ui ui;
      for (std::size_t i = 0; i < c.existing; ++i) ui.fs.AddFile("C:\\Work\\" + names[i], "another project's", false);
      ui.backend.AnswerMessages([answer](const MessageBoxRequest&) { return answer; });
      ui.Expect("TVantrel", [](UserDriver& user) {
        NextToStepSix(user);
        user.Click("FinishBtn");
        if (user.Form().ModalResult() == mrNone) user.Click("CancelBtn");
      });
      ui.Expect("TNewProInfo", [answer](UserDriver& user) {
        user.Click("OkBtn");
        // No keeps the summary open, with nothing written.
        if (answer == mrNo) {
          EXPECT_EQ(user.Form().ModalResult(), mrNone);
          user.Click("CancelBtn");
        }
      });
      ui.RunWizard();
      ASSERT_EQ(ui.backend.Messages().size(), 1u);
      EXPECT_EQ(ui.backend.Messages()[0], (MessageBoxRequest{c.text, "Confirm", MessageIcon::Question,
                                                             MessageButtons::YesNo, mrNo}));
      EXPECT_EQ(ui.fs.Find("C:\\Work\\resource.h")->content == "another project's", answer == mrNo);
      EXPECT_EQ(ui.opener.calls.empty(), answer == mrNo);
    }
  }
}

}  // namespace
}  // namespace vantrel::test
