// What a user meets in every dialog: the tab cycles, and the question
// before files are replaced.

#include <gtest/gtest.h>

#include <map>

#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

TEST(DialogRules, TabVisitsEachDialogsStopsInOrderAndWraps) {
  Ui ui;
  std::map<std::string, std::vector<std::string>> cycles;
  ui.Expect("TNewDlg", [&](UserDriver& user) {
    user.Type("Demo");
    cycles["TNewDlg"] = TabCycle(user);
    user.Click("ProjectDirDialog");
    user.Click("OkBtn");
  });
  ui.Expect("TDirChooser", [&](UserDriver& user) {
    cycles["TDirChooser"] = TabCycle(user);
    user.Click("CancelBtn");
  });
  ui.Expect("TVantrel", [&](UserDriver& user) {
    cycles["Step1"] = TabCycle(user);
    for (int i = 0; i < 4; ++i) user.Click("NextBtn");
    cycles["Step5"] = TabCycle(user);
    user.Click("NextBtn");
    cycles["Step6"] = TabCycle(user);
    user.Click("FinishBtn");
    user.Click("CancelBtn");
  });
  ui.Expect("TNewProInfo", [&](UserDriver& user) {
    cycles["TNewProInfo"] = TabCycle(user);
    user.Click("CancelBtn");
  });
  ui.RunNewProject();
  using V = std::vector<std::string>;
  const std::map<std::string, V> expected = {
      {"TNewDlg", V{"ProjectName", "ProjectDir", "ProjectDirDialog", "RadioButton1", "OkBtn", "CancelBtn"}},
      // The disabled Network button is never reached.
      {"TDirChooser", V{"DirName", "DirectoryListBox", "DriveComboBox", "OKBtn", "CancelBtn"}},
      // A radio group is one stop: its checked button.
      {"Step1", V{"NextBtn", "MDISelect", "CancelBtn"}},
      {"Step5", V{"NextBtn", "YesDocSelect", "CancelBtn", "BackBtn"}},
      {"Step6", V{"FinishBtn", "ClassList", "ClassName", "CancelBtn", "BackBtn"}},
      {"TNewProInfo", V{"OkBtn", "CancelBtn"}},
  };
  EXPECT_EQ(cycles, expected);
}

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
