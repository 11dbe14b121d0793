#include <gtest/gtest.h>

#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

// Goes from step 1 to step 6 with Next.
void ToStepSix(UserDriver& user) {
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(user.Click("NextBtn"));
}

// Types a name and confirms the New project dialog with Enter twice: once
// to reach OK, once to press it.
void NameAndOk(Ui& ui, const std::string& name) {
  ui.Expect("TNewDlg", [name](UserDriver& user) {
    EXPECT_TRUE(user.Type(name));
    EXPECT_TRUE(user.Press(Key::Enter));
    EXPECT_EQ(user.Focused(), "OkBtn");
    EXPECT_TRUE(user.Press(Key::Enter));
  });
}

TEST(WizardFlow, FromTheNewDialogToFilesAndTheOpenRequest) {
  Ui ui;
  NameAndOk(ui, "Demo");
  ui.Expect("TVantrel", [](UserDriver& user) {
    ToStepSix(user);
    EXPECT_TRUE(user.Click("FinishBtn"));
  });
  ui.Expect("TNewProInfo", [](UserDriver& user) { EXPECT_TRUE(user.Click("OkBtn")); });
  ui.RunNewProject();

  EXPECT_EQ(ui.backend.Problems(), std::vector<std::string>{});
  EXPECT_EQ(ui.backend.Shown(), (std::vector<std::string>{"TNewDlg", "TVantrel", "TNewProInfo"}));
  EXPECT_TRUE(ui.backend.Messages().empty());
  EXPECT_NE(ui.fs.Find("C:\\Work\\Demo.bpr"), nullptr);
  EXPECT_NE(ui.fs.Find("C:\\Work\\res\\Demo.rc2"), nullptr);
  EXPECT_EQ(ui.opener.calls,
            (std::vector<std::string>{"close", "open C:\\Work\\Demo.bpr"}));
  EXPECT_EQ(NewDlg, nullptr);
  EXPECT_EQ(Vantrel, nullptr);
  EXPECT_EQ(NewProInfo, nullptr);
}

}  // namespace
}  // namespace vantrel::test

namespace vantrel::test {
namespace {

TEST(WizardFlow, CancelAtAnyModalLevelWritesNothing) {
  enum Level { NewDialog, CloseNewDialog, Chooser, WizardStep1, WizardStep6, Summary };
  struct Case {
    Level level;
    std::vector<std::string> shown;
  } cases[] = {
      {NewDialog, {"TNewDlg"}},
      {CloseNewDialog, {"TNewDlg"}},
      {Chooser, {"TNewDlg", "TDirChooser"}},
      {WizardStep1, {"TNewDlg", "TVantrel"}},
      {WizardStep6, {"TNewDlg", "TVantrel"}},
      {Summary, {"TNewDlg", "TVantrel", "TNewProInfo"}},
  };
  for (const Case& c : cases) {
    Ui ui;
    const auto before = ui.fs.Files().size();
    ui.Expect("TNewDlg", [&](UserDriver& user) {
      user.Type("Demo");
      if (c.level == NewDialog) return void(user.Click("CancelBtn"));
      if (c.level == CloseNewDialog) return void(user.Close());
      if (c.level == Chooser) {
        user.Click("ProjectDirDialog");
        return void(user.Click("CancelBtn"));
      }
      user.Click("OkBtn");
    });
    if (c.level == Chooser)
      ui.Expect("TDirChooser", [](UserDriver& user) { user.Click("CancelBtn"); });
    if (c.level >= WizardStep1)
      ui.Expect("TVantrel", [&](UserDriver& user) {
        if (c.level == WizardStep1) return void(user.Click("CancelBtn"));
        for (int i = 0; i < 5; ++i) user.Click("NextBtn");
        if (c.level == WizardStep6) return void(user.Close());
        user.Click("FinishBtn");
        // Back on step 6, unchanged; Finish opens a fresh summary.
        EXPECT_EQ(user.Form().Caption(), "MFC Vantrel - Step 6 of 6");
        user.Click("CancelBtn");
      });
    if (c.level == Summary)
      ui.Expect("TNewProInfo", [](UserDriver& user) { user.Click("CancelBtn"); });
    ui.RunNewProject();
    EXPECT_EQ(ui.backend.Shown(), c.shown) << c.level;
    EXPECT_TRUE(ui.backend.Problems().empty()) << c.level;
    EXPECT_EQ(ui.fs.Files().size(), before) << c.level;
    EXPECT_TRUE(ui.fs.CreateLog().empty()) << c.level;
    EXPECT_TRUE(ui.opener.calls.empty()) << c.level;
  }
}

TEST(WizardFlow, FailedFilesAreNamedInOneBoxAndTheWizardStaysOnStepSix) {
  struct Case {
    const char* location;
    bool readOnlyHeader;
    std::size_t failed;
  } cases[] = {
      {"C:\\NoSuchDir", false, 0},  // Every file.
      {"C:\\Work", true, 1},
  };
  for (const Case& c : cases) {
    Ui ui;
    if (c.readOnlyHeader) ui.fs.AddFile("C:\\Work\\Demo.h", "old", true);
    std::vector<std::string> labels;
    ui.Expect("TVantrel", [&](UserDriver& user) {
      for (int i = 0; i < 5; ++i) user.Click("NextBtn");
      user.Click("FinishBtn");
      EXPECT_EQ(NewProInfo, nullptr);  // Released although the run failed.
      EXPECT_EQ(user.Form().ModalResult(), mrNone);
      EXPECT_EQ(user.Form().Caption(), "MFC Vantrel - Step 6 of 6");
      user.Click("FinishBtn");  // Again: the separator is now known.
      user.Click("CancelBtn");
    });
    ui.Expect("TNewProInfo", [&](UserDriver& user) {
      labels.push_back(user.Get<TLabel>("InstallDirLabel").Caption());
      user.Click("OkBtn");
    });
    ui.Expect("TNewProInfo", [&](UserDriver& user) {
      labels.push_back(user.Get<TLabel>("InstallDirLabel").Caption());
      user.Click("CancelBtn");
    });
    TVantrel wizard(&ui.app);
    wizard.SetOpener(&ui.opener);
    wizard.Settings().Name = "Demo";
    wizard.Settings().Location = c.location;
    wizard.ShowModal();

    EXPECT_TRUE(ui.backend.Problems().empty());
    EXPECT_EQ(labels, (std::vector<std::string>{c.location, std::string(c.location) + "\\"}));
    ASSERT_EQ(ui.backend.Messages().size(), 1u);
    const MessageBoxRequest& box = ui.backend.Messages()[0];
    EXPECT_EQ(box.icon, MessageIcon::Error);
    const auto& created = ui.fs.CreateLog();
    std::size_t named = 0;
    for (const std::string& path : created)
      if (box.text.find(path + "\n") != std::string::npos || box.text.ends_with(path)) ++named;
    EXPECT_EQ(named, c.failed == 0 ? created.size() : c.failed) << box.text;
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
      user.Click("NextBtn");
      user.Click("NextBtn");
      user.Click("NextBtn");
      if (changeIgnored)
        for (const char* box : {"CheckBox4", "CheckBox5", "CheckBox6", "CheckBox8"})
          EXPECT_TRUE(user.Click(box));
      user.Click("NextBtn");
      if (changeIgnored) user.Click("NoDocSelect");
      user.Click("NextBtn");
      user.ClickItem("ClassList", 3);
      user.Pick("BaseClass", 2);
      user.Click("FinishBtn");
    });
    ui->Expect("TNewProInfo", [](UserDriver& user) { user.Click("OkBtn"); });
    ui->RunNewProject();
    EXPECT_TRUE(ui->backend.Problems().empty());
    return ui;
  };
  auto plain = generate(false);
  auto changed = generate(true);
  ASSERT_EQ(plain->fs.Files().size(), changed->fs.Files().size());
  for (const auto& [path, entry] : plain->fs.Files())
    EXPECT_EQ(entry.content, changed->fs.Find(path)->content) << path;
  EXPECT_NE(plain->fs.Find("C:\\Work\\DemoView.h")->content.find("CListView"), std::string::npos);
}

}  // namespace
}  // namespace vantrel::test
