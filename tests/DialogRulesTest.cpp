// What a user meets in the dialogs beyond each one's own table: the tab
// cycles, typing into the name, the steps' start and Cancel, the texts the
// wizard hands the summary, and the question before files are replaced.

#include <gtest/gtest.h>

#include <map>

#include "generator/Summary.h"
#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

// The stops Tab visits from the focused control until it is back there; a
// cycle that never wraps ends after twenty presses.
std::vector<std::string> TabCycle(UserDriver& user) {
  std::vector<std::string> seen{user.Focused()};
  for (int i = 0; i < 20; ++i) {
    user.Press(Key::Tab);
    if (user.Focused() == seen.front()) return seen;
    seen.push_back(user.Focused());
  }
  return seen;
}

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

TEST(DialogRules, TypingTogglesOkAndANameMayBeginWithADigit) {
  Ui ui;
  std::string handedOver;
  ui.Expect("TNewDlg", [](UserDriver& user) {
    auto& ok = user.Get<TButton>("OkBtn");
    user.Type("9");
    EXPECT_TRUE(ok.Enabled());
    user.Press(Key::Backspace);
    EXPECT_FALSE(ok.Enabled());
    user.Type("9lives");
    user.Click("OkBtn");
  });
  ui.Expect("TVantrel", [&](UserDriver& user) {
    handedOver = static_cast<TVantrel&>(user.Form()).Settings().Name;
    user.Click("CancelBtn");
  });
  ui.RunNewProject();
  EXPECT_EQ(handedOver, "9lives");
  EXPECT_TRUE(ui.backend.Messages().empty());
}

TEST(DialogRules, TheChooserReadsARelativeNameBelowTheListsDirectory) {
  Ui ui;
  ui.fs.AddDirectory("C:\\Work\\Sub\\Deep");
  ui.Expect("TNewDlg", [](UserDriver& user) {
    user.Click("ProjectDirDialog");
    EXPECT_EQ(user.Get<TEdit>("ProjectDir").Text(), "C:\\Work\\Sub\\Deep");
    user.Click("CancelBtn");
  });
  ui.Expect("TDirChooser", [](UserDriver& user) {
    // The name starts selected: typing replaces it.
    user.Type("Sub");
    user.Press(Key::Enter);
    EXPECT_EQ(user.Get<TEdit>("DirName").Text(), "C:\\Work\\Sub");
    user.Click("DirName");
    user.SelectText("DirName");
    user.Type("Deep\\..\\Deep");
    user.Press(Key::Enter);
    EXPECT_EQ(user.Get<TDirectoryListBox>("DirectoryListBox").Directory(), "C:\\Work\\Sub\\Deep");
    user.Click("OKBtn");
  });
  ui.RunNewProject();
  EXPECT_TRUE(ui.backend.Messages().empty());
}

TEST(DialogRules, TheWizardStartsOnMdiAndCancelOnAnyStepWritesNothing) {
  for (int step = 1; step <= 5; ++step) {
    Ui ui;
    ui.Expect("TVantrel", [step](UserDriver& user) {
      auto& w = static_cast<TVantrel&>(user.Form());
      EXPECT_EQ(w.Step1Image->PictureName(), "MDI");
      for (int i = 1; i < step; ++i) user.Click("NextBtn");
      EXPECT_EQ(w.PageControl->ActivePageIndex(), step - 1);
      user.Click("CancelBtn");
    });
    ui.RunWizard();
    EXPECT_TRUE(ui.fs.CreateLog().empty()) << step;
    EXPECT_TRUE(ui.opener.calls.empty()) << step;
  }
}

// The summary's texts for one way through the wizard: each Finish's lines
// and install directory.
std::vector<std::vector<std::string>> SummaryTexts(bool single, bool clearIgnored) {
  Ui ui;
  std::vector<std::vector<std::string>> texts;
  ui.Expect("TVantrel", [&](UserDriver& user) {
    if (single) user.Click("SDISelect");
    NextToStepSix(user, clearIgnored);
    user.Click("FinishBtn");
    user.Click("FinishBtn");
    user.Click("CancelBtn");
  });
  for (int i = 0; i < 2; ++i)
    ui.Expect("TNewProInfo", [&](UserDriver& user) {
      auto& info = static_cast<TNewProInfo&>(user.Form());
      texts.push_back(info.WizardInfo->Lines());
      texts.back().push_back(info.InstallDirLabel->Caption());
      user.Click("CancelBtn");
    });
  ui.RunWizard();
  return texts;
}

TEST(DialogRules, TheSummaryShowsOnlyTheFrameKindOfTheChoices) {
  auto lines = SummaryLines("Demo", "Multiple Document Interface ", "CView");
  lines.push_back("C:\\Work");
  const std::vector<std::vector<std::string>> twice = {lines, lines};
  // Cancel, then Finish again, shows the same texts; the ignored options
  // change none of them.
  EXPECT_EQ(SummaryTexts(false, false), twice);
  EXPECT_EQ(SummaryTexts(false, true), twice);
  const auto single = SummaryTexts(true, false);
  ASSERT_EQ(single.size(), 2u);
  EXPECT_EQ(single[0][1], "  Single Document Interface Application targeting");
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

// The error box has one line per cause: files refused for the same reason
// share a line that names the first, three more and how many else; the
// command line names every file.
TEST(DialogRules, TheErrorBoxHasOneLinePerCause) {
  Ui ui;
  const std::vector<std::string> readOnly = {"Demo.bpr", "Demo.cpp", "Demo.h", "Demo.rc", "resource.h", "DemoDoc.cpp"};
  for (const std::string& name : readOnly) ui.fs.AddFile("C:\\Work\\" + name, "kept", true);
  ui.fs.AddFile("C:\\Work\\res", "a file where the pictures' directory goes");
  ui.Expect("TVantrel", [](UserDriver& user) {
    NextToStepSix(user);
    user.Click("FinishBtn");
    EXPECT_EQ(user.Form().ModalResult(), mrNone);  // The wizard stays open.
    user.Close();
  });
  ui.Expect("TNewProInfo", [](UserDriver& user) { user.Click("OkBtn"); });
  ui.RunWizard();
  ASSERT_EQ(ui.backend.Messages().size(), 2u);  // The replace question, then the error.
  EXPECT_EQ(ui.backend.Messages()[1].text,
            "Cannot write into directory C:\\Work\\res: Not a directory\n"
            "Cannot create file C:\\Work\\Demo.bpr (and Demo.cpp, Demo.h, Demo.rc and 2 more): read-only file");
  EXPECT_EQ(ui.backend.Messages()[1].icon, MessageIcon::Error);
}

}  // namespace
}  // namespace vantrel::test
