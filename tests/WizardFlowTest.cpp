// Whole runs through the dialogs: the summary, the files, Cancel at every
// level, refused runs, and the question before files are replaced.

#include <gtest/gtest.h>

#include "generator/Summary.h"
#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

// The summary names the view by its base class's label, if it has one.
TEST(Summary, NamesTheViewByItsBaseClass) {
  const struct {
    const char *base, *line9;
  } cases[] = {
      {"CView", "  View : CDemoView in DemoView.h and DemoView.cpp"},
      {"CRichEditView", "  RichEditView : CDemoView in DemoView.h and DemoView.cpp"},
      {"CFormView", "  FormView : CDemoView in DemoView.h and DemoView.cpp"},
      {"", nullptr},
      {"cview", nullptr},
  };
  for (const auto& c : cases) {
    const auto lines = SummaryLines("Demo", "Single Document Interface ", c.base);
    ASSERT_EQ(lines.size(), c.line9 ? 19u : 18u) << c.base;
    EXPECT_EQ(lines[8], c.line9 ? c.line9 : "") << c.base;
  }
}

// Enter twice starts the wizard. Every choice the wizard ignores is changed
// on the way: the summary shows only the frame kind, the same after Cancel,
// and only the name, location and view base reach the files.
TEST(WizardFlow, OnlyTheFrameKindNameLocationAndViewBaseReachTheSummaryAndTheFiles) {
  for (bool single : {false, true}) {
    SCOPED_TRACE(single);
    Ui ui;
    ui.Expect("TNewDlg", [](UserDriver& user) {
      EXPECT_TRUE(user.Type("9lives"));
      user.Press(Key::Enter, 2);
    });
    ui.Expect("TVantrel", [single](UserDriver& user) {
      if (single) user.Click("SDISelect");
      NextToStepSix(user, true);
      user.ClickItem("ClassList", 3);
      user.Pick("BaseClass", 2);
      EXPECT_TRUE(user.Click("FinishBtn"));
      EXPECT_TRUE(user.Click("FinishBtn"));
    });
    std::vector<std::vector<std::string>> texts;
    for (const char* button : {"CancelBtn", "OkBtn"})
      ui.Expect("TNewProInfo", [&texts, button](UserDriver& user) {
        auto& info = static_cast<TNewProInfo&>(user.Form());
        texts.push_back(info.WizardInfo->Lines());
        texts.back().push_back(info.InstallDirLabel->Caption());
        EXPECT_EQ(TabCycle(user), (std::vector<std::string>{"OkBtn", "CancelBtn"}));
        EXPECT_TRUE(user.Click(button));
      });
    ui.RunNewProject();

    auto lines = SummaryLines("9lives", single ? "Single Document Interface " : "Multiple Document Interface ",
                              "CListView");
    lines.push_back("C:\\Work");
    EXPECT_EQ(texts, (std::vector<std::vector<std::string>>{lines, lines}));
    EXPECT_EQ(ui.backend.Shown(), (std::vector<std::string>{"TNewDlg", "TVantrel", "TNewProInfo", "TNewProInfo"}));
    EXPECT_TRUE(ui.backend.Messages().empty());
    Generated expected;
    Generate(expected, Settings("9lives", "C:\\Work", "CListView"));
    ASSERT_EQ(ui.fs.Files().size(), expected.fs.Files().size());
    for (const auto& [path, entry] : expected.fs.Files()) EXPECT_EQ(ui.fs.Find(path)->content, entry.content) << path;
    EXPECT_EQ(ui.opener.calls, (std::vector<std::string>{"close", "open C:\\Work\\9lives.bpr"}));
    EXPECT_EQ(NewDlg, nullptr);
    EXPECT_EQ(Vantrel, nullptr);
    EXPECT_EQ(NewProInfo, nullptr);
  }
}

// Cancel in the New project dialog and in the summary: see HostTest and ToolkitTest.
TEST(WizardFlow, CancelAtAnyModalLevelWritesNothing) {
  enum Level { CloseNewDialog, Chooser, WizardStep1, WizardStep6 };
  const struct {
    Level level;
    std::vector<std::string> shown;
  } cases[] = {
      {CloseNewDialog, {"TNewDlg"}},
      {Chooser, {"TNewDlg", "TDirChooser"}},
      {WizardStep1, {"TNewDlg", "TVantrel"}},
      {WizardStep6, {"TNewDlg", "TVantrel"}},
  };
  for (const auto& c : cases) {
    Ui ui;
    const auto before = ui.fs.Files().size();
    ui.Expect("TNewDlg", [&](UserDriver& user) {
      user.Type("Demo");
      if (c.level == Chooser) user.Click("ProjectDirDialog");
      c.level == CloseNewDialog ? user.Close() : user.Click(c.level == Chooser ? "CancelBtn" : "OkBtn");
    });
    if (c.level == Chooser) ui.Expect("TDirChooser", [](UserDriver& user) { user.Click("CancelBtn"); });
    if (c.level >= WizardStep1)
      ui.Expect("TVantrel", [&](UserDriver& user) {
        if (c.level == WizardStep1) return void(user.Click("CancelBtn"));
        NextToStepSix(user);
        user.Close();
      });
    ui.RunNewProject();
    EXPECT_EQ(ui.backend.Shown(), c.shown) << c.level;
    EXPECT_EQ(ui.fs.Files().size(), before) << c.level;
    EXPECT_TRUE(ui.fs.CreateLog().empty()) << c.level;
    EXPECT_TRUE(ui.opener.calls.empty()) << c.level;
  }
}

// A refused run writes nothing and stays on step 6; its box has one line
// per cause, naming the first files refused for it and how many else.
TEST(WizardFlow, ARefusedRunIsExplainedInOneBoxAndTheWizardStaysOnStepSix) {
  const struct {
    const char* location;
    std::vector<const char*> readOnly;  // And a file where "res" goes.
    const char* message;
  } cases[] = {
      {"C:\\NoSuchDir", {}, "Cannot write into directory C:\\NoSuchDir: No such file or directory"},
      {"C:\\Work", {"Demo.bpr", "Demo.cpp", "Demo.h", "Demo.rc", "resource.h", "DemoDoc.cpp"},
       "Cannot write into directory C:\\Work\\res: Not a directory\n"
       "Cannot create file C:\\Work\\Demo.bpr (and Demo.cpp, Demo.h, Demo.rc and 2 more): read-only file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    Ui ui;
    for (const char* name : c.readOnly) ui.fs.AddFile(std::string("C:\\Work\\") + name, "old", true);
    if (!c.readOnly.empty()) ui.fs.AddFile("C:\\Work\\res", "a file where the pictures' directory goes");
    std::vector<std::string> labels;
    ui.Expect("TVantrel", [&](UserDriver& user) {
      NextToStepSix(user);
      user.Click("FinishBtn");
      EXPECT_EQ(NewProInfo, nullptr);  // Released although the run failed.
      EXPECT_EQ(user.Form().ModalResult(), mrNone);
      EXPECT_EQ(user.Form().Caption(), "MFC Vantrel - Step 6 of 6");
      user.Click("FinishBtn");  // Again: the separator is now known.
      user.Click("CancelBtn");
    });
    for (const char* button : {"OkBtn", "CancelBtn"})
      ui.Expect("TNewProInfo", [&labels, button](UserDriver& user) {
        labels.push_back(user.Get<TLabel>("InstallDirLabel").Caption());
        user.Click(button);
      });
    ui.RunWizard("Demo", c.location);

    EXPECT_EQ(labels, (std::vector<std::string>{c.location, std::string(c.location) + "\\"}));
    ASSERT_EQ(ui.backend.Messages().size(), c.readOnly.empty() ? 1u : 2u);
    const MessageBoxRequest& box = ui.backend.Messages().back();
    EXPECT_EQ(box.icon, MessageIcon::Error);
    EXPECT_EQ(box.text, c.message);
    EXPECT_TRUE(ui.fs.CreateLog().empty());
    EXPECT_TRUE(ui.opener.calls.empty());
  }
}

// Before files are replaced one question names them in the run's order,
// eight at most; No is its default answer and keeps the summary open.
TEST(WizardFlow, ReplacingExistingFilesIsConfirmedFirst) {
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
