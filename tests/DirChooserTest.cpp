#include <gtest/gtest.h>

#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

// An unconfirmed missing location still opens on an existing directory.
TEST(DirChooser, StartsOnTheCallersLocation) {
  for (const char* start : {"C:\\Work", "C:\\Work\\Gone"}) {
    Ui ui;
    WithChooser(ui, [&](UserDriver& user) {
      auto& dlg = static_cast<TDirChooser&>(user.Form());
      EXPECT_EQ(dlg.DirName->Text(), start);
      EXPECT_EQ(dlg.DirectoryListBox->Directory(), "C:\\Work");
      EXPECT_EQ(dlg.DriveComboBox->Drive(), "C:\\");
      EXPECT_EQ(dlg.DriveComboBox->Drives(), (std::vector<std::string>{"C:\\", "D:\\"}));
      EXPECT_FALSE(user.Click("NetworkBtn"));  // Shown, never enabled, never a tab stop.
      EXPECT_EQ(TabCycle(user),
                (std::vector<std::string>{"DirName", "DirectoryListBox", "DriveComboBox", "OKBtn", "CancelBtn"}));
      user.Click("CancelBtn");
    }, start);
  }
}

TEST(DirChooser, EnterInTheNameFollowsTheTable) {
  const struct {
    const char *typed, *focus, *listShows, *nameAfter;
    bool message;
  } cases[] = {
      {"C:\\Work\\Sub", "OKBtn", "C:\\Work\\Sub", "C:\\Work\\Sub", false},
      // Already shown: nothing else changes, the typed form stays.
      {"C:\\Work\\", "OKBtn", "C:\\Work", "C:\\Work\\", false},
      {"C:\\Nope", "DirName", "C:\\Work", "C:\\Nope", true},
      {"", "DirName", "C:\\Work", "", true},
      // A relative name is read below the directory the list shows.
      {"Sub", "OKBtn", "C:\\Work\\Sub", "C:\\Work\\Sub", false},
      // Drive letters are Windows names, whose case does not count.
      {"c:\\Work\\Sub", "OKBtn", "C:\\Work\\Sub", "C:\\Work\\Sub", false},
      {"d:", "OKBtn", "D:\\", "D:\\", false},
  };
  for (const auto& c : cases) {
    Ui ui;
    std::string result = WithChooser(ui, [&](UserDriver& user) {
      user.Press(Key::Backspace);  // The name starts selected.
      user.Type(c.typed);
      user.Press(Key::Enter);
      EXPECT_EQ(user.Focused(), c.focus) << c.typed;
      EXPECT_EQ(user.Get<TDirectoryListBox>("DirectoryListBox").Directory(), c.listShows);
      EXPECT_EQ(user.Get<TEdit>("DirName").Text(), c.nameAfter) << c.typed;
      EXPECT_EQ(user.Form().ModalResult(), mrNone);
      user.Click("OKBtn");
    });
    EXPECT_EQ(result, c.nameAfter);
    std::vector<MessageBoxRequest> messages;
    if (c.message)
      messages.push_back({std::string("The current directoru cannot be changed to '") + c.typed + "'", "Confirm",
                          MessageIcon::Question, MessageButtons::Ok});
    EXPECT_EQ(ui.backend.Messages(), messages) << c.typed;
  }
}

TEST(DirChooser, BrowsingRewritesTheName) {
  Ui ui;
  ui.fs.AddDirectory("C:\\Work\\Sub\\Deep");
  std::string result = WithChooser(ui, [](UserDriver& user) {
    auto& list = user.Get<TDirectoryListBox>("DirectoryListBox");
    // Items: C:\, Work, Other, Sub. A single click only selects.
    user.ClickItem("DirectoryListBox", 3);
    EXPECT_EQ(user.Get<TEdit>("DirName").Text(), "C:\\Work");
    user.DoubleClickItem("DirectoryListBox", 3);
    EXPECT_EQ(user.Get<TEdit>("DirName").Text(), "C:\\Work\\Sub");
    // A relative name is read below the list's directory, not the current one.
    user.SelectText("DirName");
    user.Type("Deep\\..\\Deep");
    user.Press(Key::Enter);
    EXPECT_EQ(list.Directory(), "C:\\Work\\Sub\\Deep");
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

TEST(DirChooser, HandsBackItsNameOnlyOnOk) {
  const struct {
    const char* button;  // None: the chooser is closed.
    const char* location;
  } cases[] = {{"OKBtn", "C:\\Never\\Confirmed"}, {"CancelBtn", "C:\\Work"}, {nullptr, "C:\\Work"}};
  for (const auto& c : cases) {
    Ui ui;
    EXPECT_EQ(WithChooser(ui, [&](UserDriver& user) {
      user.DoubleClickItem("DirectoryListBox", 2);
      user.SelectText("DirName");
      user.Type("C:\\Never\\Confirmed");
      c.button ? user.Click(c.button) : user.Close();
    }), c.location);
    EXPECT_EQ(DirChooser, nullptr);
  }
}

// A folder the code page cannot name is listed with '?'; opening it says why.
TEST(DirChooser, AFolderTheCodePageCannotNameIsRefusedWithAMessage) {
  Ui ui;
  ui.fs.AddDirectory("C:\\Work\\??????");
  const std::string result = WithChooser(ui, [](UserDriver& user) {
    auto& list = user.Get<TDirectoryListBox>("DirectoryListBox");
    const std::vector<std::string> items = list.Items();
    ASSERT_EQ(items[2], "??????");
    user.ClickItem("DirectoryListBox", 3);
    user.DoubleClickItem("DirectoryListBox", 2);
    EXPECT_EQ(list.Directory(), "C:\\Work");
    EXPECT_EQ(list.Items(), items);
    EXPECT_EQ(list.ItemIndex(), 3);
    EXPECT_EQ(user.Get<TEdit>("DirName").Text(), "C:\\Work");
    user.Click("OKBtn");
  });
  EXPECT_EQ(result, "C:\\Work");
  ASSERT_EQ(ui.backend.Messages().size(), 1u);
  EXPECT_EQ(ui.backend.Messages()[0].text, "This folder's name cannot be represented in the system's code page: ??????");
}

}  // namespace
}  // namespace vantrel::test
