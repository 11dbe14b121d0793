#include <gtest/gtest.h>

#include <memory>

#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

TEST(WizardFlow, FromTheNewDialogToFilesAndTheOpenRequest) {
  Ui ui;
  // Enter twice: once to reach OK, once to press it.
  ui.Expect("TNewDlg", [](UserDriver& user) {
    EXPECT_TRUE(user.Type("Demo"));
    EXPECT_TRUE(user.Press(Key::Enter));
    EXPECT_EQ(user.Focused(), "OkBtn");
    EXPECT_TRUE(user.Press(Key::Enter));
  });
  ui.Expect("TVantrel", [](UserDriver& user) {
    NextToStepSix(user);
    EXPECT_TRUE(user.Click("FinishBtn"));
  });
  ui.Expect("TNewProInfo", [](UserDriver& user) { EXPECT_TRUE(user.Click("OkBtn")); });
  ui.RunNewProject();

  EXPECT_EQ(ui.backend.Shown(), (std::vector<std::string>{"TNewDlg", "TVantrel", "TNewProInfo"}));
  EXPECT_TRUE(ui.backend.Messages().empty());
  EXPECT_NE(ui.fs.Find("C:\\Work\\Demo.bpr"), nullptr);
  EXPECT_EQ(ui.opener.calls, (std::vector<std::string>{"close", "open C:\\Work\\Demo.bpr"}));
  EXPECT_EQ(NewDlg, nullptr);
  EXPECT_EQ(Vantrel, nullptr);
  EXPECT_EQ(NewProInfo, nullptr);
}

TEST(WizardFlow, CancelAtAnyModalLevelWritesNothing) {
  enum Level { NewDialog, CloseNewDialog, Chooser, WizardStep1, WizardStep6, Summary };
  const struct {
    Level level;
    std::vector<std::string> shown;
  } cases[] = {
      {NewDialog, {"TNewDlg"}},           {CloseNewDialog, {"TNewDlg"}},
      {Chooser, {"TNewDlg", "TDirChooser"}}, {WizardStep1, {"TNewDlg", "TVantrel"}},
      {WizardStep6, {"TNewDlg", "TVantrel"}}, {Summary, {"TNewDlg", "TVantrel", "TNewProInfo"}},
  };
  for (const auto& c : cases) {
    Ui ui;
    const auto before = ui.fs.Files().size();
    ui.Expect("TNewDlg", [&](UserDriver& user) {
      user.Type("Demo");
      if (c.level == Chooser) user.Click("ProjectDirDialog");
      c.level == CloseNewDialog ? user.Close() : user.Click(c.level < WizardStep1 ? "CancelBtn" : "OkBtn");
    });
    if (c.level == Chooser) ui.Expect("TDirChooser", [](UserDriver& user) { user.Click("CancelBtn"); });
    if (c.level >= WizardStep1)
      ui.Expect("TVantrel", [&](UserDriver& user) {
        if (c.level == WizardStep1) return void(user.Click("CancelBtn"));
        NextToStepSix(user);
        if (c.level == WizardStep6) return void(user.Close());
        user.Click("FinishBtn");
        // Back on step 6, unchanged; Finish opens a fresh summary.
        EXPECT_EQ(user.Form().Caption(), "MFC Vantrel - Step 6 of 6");
        user.Click("CancelBtn");
      });
    if (c.level == Summary) ui.Expect("TNewProInfo", [](UserDriver& user) { user.Click("CancelBtn"); });
    ui.RunNewProject();
    EXPECT_EQ(ui.backend.Shown(), c.shown) << c.level;
    EXPECT_EQ(ui.fs.Files().size(), before) << c.level;
    EXPECT_TRUE(ui.fs.CreateLog().empty()) << c.level;
    EXPECT_TRUE(ui.opener.calls.empty()) << c.level;
  }
}

// A refused run writes nothing; its box gives the same text as the command.
TEST(WizardFlow, ARefusedRunIsExplainedInOneBoxAndTheWizardStaysOnStepSix) {
  const struct {
    const char* location;
    bool readOnlyHeader;
    const char* message;
  } cases[] = {
      {"C:\\NoSuchDir", false, "Cannot write into directory C:\\NoSuchDir: No such file or directory"},
      {"C:\\Work", true, "Cannot create file C:\\Work\\Demo.h: read-only file"},
  };
  for (const auto& c : cases) {
    Ui ui;
    if (c.readOnlyHeader) ui.fs.AddFile("C:\\Work\\Demo.h", "old", true);
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
    // Over an existing file the run first asks before replacing it.
    ASSERT_EQ(ui.backend.Messages().size(), c.readOnlyHeader ? 2u : 1u);
    const MessageBoxRequest& box = ui.backend.Messages().back();
    EXPECT_EQ(box.icon, MessageIcon::Error);
    EXPECT_EQ(box.text, c.message);
    EXPECT_TRUE(ui.fs.CreateLog().empty());
    EXPECT_TRUE(ui.opener.calls.empty());
  }
}

TEST(WizardFlow, OnlyTheNameLocationAndViewBaseReachTheFiles) {
  // The same project through two different sets of ignored choices.
  auto generate = [](bool changeIgnored) {
    auto ui = std::make_unique<Ui>();
    ui->Expect("TNewDlg", [](UserDriver& user) {
      user.Type("Demo");
      user.Click("OkBtn");
    });
    ui->Expect("TVantrel", [changeIgnored](UserDriver& user) {
      if (changeIgnored) user.Click("SDISelect");
      NextToStepSix(user, changeIgnored);
      user.ClickItem("ClassList", 3);
      user.Pick("BaseClass", 2);
      user.Click("FinishBtn");
    });
    ui->Expect("TNewProInfo", [](UserDriver& user) { user.Click("OkBtn"); });
    ui->RunNewProject();
    return ui;
  };
  auto plain = generate(false);
  auto changed = generate(true);
  ASSERT_EQ(plain->fs.Files().size(), changed->fs.Files().size());
  for (const auto& [path, entry] : plain->fs.Files()) EXPECT_EQ(entry.content, changed->fs.Find(path)->content) << path;
  EXPECT_NE(plain->fs.Find("C:\\Work\\DemoView.h")->content.find("CListView"), std::string::npos);
}

}  // namespace
}  // namespace vantrel::test
