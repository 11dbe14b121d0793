#include <gtest/gtest.h>

#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

// Opens the chooser from the New project dialog, runs the script on it,
// and returns the location the New project dialog ends with.
std::string WithChooser(Ui& ui, HeadlessBackend::FormScript script) {
  std::string location;
  ui.Expect("TNewDlg", [&](UserDriver& user) {
    user.Click("ProjectDirDialog");
    location = user.Get<TEdit>("ProjectDir").Text();
    user.Click("CancelBtn");
  });
  ui.Expect("TDirChooser", std::move(script));
  ui.RunNewProject();
  EXPECT_TRUE(ui.backend.Problems().empty());
  return location;
}

TEST(DirChooser, StartsOnTheCallersLocation) {
  Ui ui;
  WithChooser(ui, [](UserDriver& user) {
    auto& dlg = static_cast<TDirChooser&>(user.Form());
    EXPECT_EQ(dlg.Caption(), "Choose Directory");
    EXPECT_EQ(dlg.DirName->Text(), "C:\\Work");
    EXPECT_EQ(dlg.DirectoryListBox->Directory(), "C:\\Work");
    EXPECT_EQ(dlg.DriveComboBox->Drive(), "C:\\");
    EXPECT_EQ(dlg.DriveComboBox->Drives(), (std::vector<std::string>{"C:\\", "D:\\"}));
    EXPECT_EQ(user.Focused(), "DirName");
    // "&Network" can be neither pressed nor reached.
    EXPECT_FALSE(user.Click("NetworkBtn"));
    EXPECT_FALSE(user.Alt('n') && user.Focused() == "NetworkBtn");
    for (int i = 0; i < 6; ++i) {
      user.Press(Key::Tab);
      EXPECT_NE(user.Focused(), "NetworkBtn");
    }
    user.Click("CancelBtn");
  });
}

TEST(DirChooser, EnterInTheNameFollowsTheTable) {
  struct Case {
    const char* typed;
    const char* focus;
    const char* listShows;
    const char* nameAfter;
    bool message;
  } cases[] = {
      {"C:\\Work\\Sub", "OKBtn", "C:\\Work\\Sub", "C:\\Work\\Sub", false},
      {"C:\\Work\\Sub\\", "OKBtn", "C:\\Work\\Sub", "C:\\Work\\Sub", false},
      // Already shown: nothing else changes, the typed form stays.
      {"C:\\Work\\", "OKBtn", "C:\\Work", "C:\\Work\\", false},
      {"C:\\Nope", "DirName", "C:\\Work", "C:\\Nope", true},
      {"", "DirName", "C:\\Work", "", true},
  };
  for (const Case& c : cases) {
    Ui ui;
    std::string result = WithChooser(ui, [&](UserDriver& user) {
      user.SelectText("DirName");
      user.Press(Key::Backspace);
      user.Type(c.typed);
      user.Press(Key::Enter);
      EXPECT_EQ(user.Focused(), c.focus) << c.typed;
      EXPECT_EQ(user.Get<TDirectoryListBox>("DirectoryListBox").Directory(), c.listShows);
      EXPECT_EQ(user.Get<TEdit>("DirName").Text(), c.nameAfter) << c.typed;
      EXPECT_EQ(user.Form().ModalResult(), mrNone);
      user.Click("OKBtn");
    });
    EXPECT_EQ(result, c.nameAfter);
    if (c.message) {
      ASSERT_EQ(ui.backend.Messages().size(), 1u) << c.typed;
      EXPECT_EQ(ui.backend.Messages()[0],
                (MessageBoxRequest{std::string("The current directoru cannot be changed to '") +
                                       c.typed + "'",
                                   "Confirm", MessageIcon::Question, MessageButtons::Ok}));
    } else {
      EXPECT_TRUE(ui.backend.Messages().empty()) << c.typed;
    }
  }
}

TEST(DirChooser, BrowsingRewritesTheName) {
  Ui ui;
  std::string result = WithChooser(ui, [](UserDriver& user) {
    auto& list = user.Get<TDirectoryListBox>("DirectoryListBox");
    // Items: C:\, Work, Other, Sub. A single click only selects.
    user.ClickItem("DirectoryListBox", 3);
    EXPECT_EQ(user.Get<TEdit>("DirName").Text(), "C:\\Work");
    user.DoubleClickItem("DirectoryListBox", 3);
    EXPECT_EQ(user.Get<TEdit>("DirName").Text(), "C:\\Work\\Sub");
    // Enter in the list opens the selected item: up to the root.
    user.ClickItem("DirectoryListBox", 0);
    user.Press(Key::Enter);
    EXPECT_EQ(list.Directory(), "C:\\");
    EXPECT_EQ(user.Get<TEdit>("DirName").Text(), "C:\\");
    // Another drive moves the list and rewrites the name.
    user.Pick("DriveComboBox", 1);
    EXPECT_EQ(list.Directory(), "D:\\");
    EXPECT_EQ(user.Get<TEdit>("DirName").Text(), "D:\\");
    user.DoubleClickItem("DirectoryListBox", 1);
    user.Click("OKBtn");
  });
  EXPECT_EQ(result, "D:\\Data");
  EXPECT_EQ(ui.fs.CurrentDirectory(), "C:\\Work");
}

TEST(DirChooser, CancelKeepsTheOldLocationWhateverWasTyped) {
  Ui ui;
  std::string result = WithChooser(ui, [](UserDriver& user) {
    user.DoubleClickItem("DirectoryListBox", 2);
    user.Type("junk");
    user.Close();
  });
  EXPECT_EQ(result, "C:\\Work");
}

TEST(DirChooser, AnUnconfirmedMissingLocationStillOpensOnAnExistingDirectory) {
  Ui ui;
  ui.Expect("TNewDlg", [](UserDriver& user) {
    static_cast<TNewDlg&>(user.Form()).ProjectDir->SetText("C:\\Work\\Gone");
    user.Click("ProjectDirDialog");
    user.Click("CancelBtn");
  });
  ui.Expect("TDirChooser", [](UserDriver& user) {
    EXPECT_EQ(user.Get<TDirectoryListBox>("DirectoryListBox").Directory(), "C:\\Work");
    user.Click("CancelBtn");
  });
  ui.RunNewProject();
  EXPECT_TRUE(ui.backend.Problems().empty());
}

}  // namespace
}  // namespace vantrel::test
