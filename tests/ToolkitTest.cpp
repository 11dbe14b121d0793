#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <stdexcept>

#if !defined(_WIN32)
#include "platform/fs/PosixFileSystem.h"
#endif
#include "platform/toolkit/Button.h"
#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/DirectoryListBox.h"
#include "platform/toolkit/DriveComboBox.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/FormDescription.h"
#include "platform/toolkit/Label.h"
#include "platform/toolkit/ListBox.h"
#include "platform/toolkit/MessageBox.h"
#include "platform/toolkit/PageControl.h"
#include "platform/toolkit/PressGuard.h"
#include "platform/toolkit/RadioButton.h"
#include "platform/toolkit/TabSheet.h"
#include "platform/toolkit/UserInput.h"
#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

using K = ControlKind;
using F = ControlRow;
using std::chrono::milliseconds;

// One control of each kind the events depend on, with a read-only
// drop-down and a radio group whose checked button is disabled.
class Sample : public SampleForm {
 public:
  explicit Sample(TComponent* owner)
      : SampleForm(owner, {
            {.name = "NameLabel", .kind = K::Label, .caption = "&Name", .link = "Name"},
            {.name = "Name", .kind = K::Edit, .tabOrder = 0},
            {.name = "Fixed", .kind = K::Edit, .caption = "ro", .flags = F::kReadOnly, .tabOrder = 1},
            {.name = "Off", .kind = K::Button, .caption = "&Off", .flags = F::kDisabled, .tabOrder = 2},
            {.name = "Choice", .kind = K::ComboBox, .tabOrder = 3, .items = {"A", "B", "C"}},
            {.name = "List", .kind = K::ListBox, .tabOrder = 4, .items = {"x", "y"}},
            {.name = "Pages", .kind = K::PageControl, .tabOrder = 5},
            {.name = "Page1", .kind = K::TabSheet, .parent = "Pages", .caption = "One"},
            {.name = "Page2", .kind = K::TabSheet, .parent = "Pages", .caption = "Two"},
            {.name = "OnPage2", .kind = K::Button, .parent = "Page2", .caption = "&Hidden", .tabOrder = 0},
            {.name = "R1", .kind = K::RadioButton, .caption = "R1", .flags = F::kChecked, .tabOrder = 6},
            {.name = "R2", .kind = K::RadioButton, .caption = "R2", .tabOrder = 7},
            {.name = "Ok", .kind = K::Button, .caption = "OK", .tabOrder = 8, .modalResult = mrOk},
            {.name = "Box", .kind = K::Panel, .flags = F::kDisabled, .tabOrder = 9},
            {.name = "Inside", .kind = K::Button, .parent = "Box", .caption = "&Inside", .tabOrder = 0},
            {.name = "Base", .kind = K::ComboBox, .flags = F::kReadOnly, .tabOrder = 10,
             .items = {"CView", "CEditView", "CListView"}},
            {.name = "Group", .kind = K::Panel, .tabOrder = 11},
            {.name = "Q1", .kind = K::RadioButton, .parent = "Group", .caption = "Q1",
             .flags = F::kChecked | F::kDisabled, .tabOrder = 0},
            {.name = "Q2", .kind = K::RadioButton, .parent = "Group", .caption = "Q2", .tabOrder = 1},
            {.name = "Q3", .kind = K::RadioButton, .parent = "Group", .caption = "Q3", .tabOrder = 2},
        }) {}
};

// The sample form under a script, with a clock only a test moves.
struct ToolkitEvents : ::testing::Test {
  Ui ui;
  Sample form{&ui.app};
  milliseconds now{100000};
  ToolkitEvents() {
    PressGuard::SetClock([this] { return now; });
  }
  ~ToolkitEvents() override { PressGuard::SetClock({}); }
  template <class T>
  T& Get(const char* name) { return *form.Find<T>(name); }
  TModalResult Run(HeadlessBackend::FormScript script) {
    ui.Expect("Sample", std::move(script));
    return form.ShowModal();
  }
};

TEST_F(ToolkitEvents, ChangeEventsFollowTheirOwnRules) {
  int edit = 0, combo = 0, list = 0, radio = 0;
  Get<TEdit>("Name").OnChange = [&](TControl*) { ++edit; };
  Get<TComboBox>("Choice").OnChange = [&](TControl*) { ++combo; };
  Get<TListBox>("List").OnClick = [&](TControl*) { ++list; };
  Get<TRadioButton>("R2").OnClick = [&](TControl*) { ++radio; };

  // Code: an edit reports every real change; a combo box and a list none.
  Get<TEdit>("Name").SetText("a");
  Get<TEdit>("Name").SetText("a");
  Get<TComboBox>("Choice").SetText("B");
  Get<TListBox>("List").SetItemIndex(1);
  EXPECT_EQ(edit, 1);
  EXPECT_EQ(combo, 0);
  EXPECT_EQ(list, 0);

  // A user: once per change; radio buttons of one parent form a group.
  EXPECT_EQ(Run([&](UserDriver& user) {
              EXPECT_TRUE(user.Pick("Choice", 0));
              EXPECT_TRUE(user.Pick("Choice", 0));  // The same entry again changes nothing.
              EXPECT_TRUE(user.ClickItem("List", 0));
              EXPECT_TRUE(user.Press(Key::Down));
              user.Click("R2");
              user.Click("R2");
              EXPECT_FALSE(user.Get<TRadioButton>("R1").Checked());
              EXPECT_TRUE(user.Get<TRadioButton>("R2").Checked());
              EXPECT_TRUE(user.Click("Ok"));
            }),
            mrOk);
  EXPECT_EQ(combo, 1);
  EXPECT_EQ(list, 2);
  EXPECT_EQ(radio, 1);
}

// Typing goes through the key press handler, which may discard a key; a
// read-only edit takes none; disabled or hidden controls take no action.
TEST_F(ToolkitEvents, InputReachesOnlyTheControlsThatTakeIt) {
  Get<TEdit>("Name").OnKeyPress = [](TControl*, char& key) { key = key == 'x' ? 0 : key; };
  int clicks = 0;
  Get<TButton>("Off").OnClick = [&](TControl*) { ++clicks; };
  Get<TButton>("OnPage2").OnClick = [&](TControl*) { ++clicks; };
  Run([&](UserDriver& user) {
    user.Type("axbx");
    user.Press(Key::Backspace);
    user.Type("c");
    EXPECT_EQ(user.Get<TEdit>("Name").Text(), "ac");
    user.Press(Key::Tab);
    EXPECT_EQ(user.Focused(), "Fixed");
    user.Type("zz");
    EXPECT_EQ(user.Get<TEdit>("Fixed").Text(), "ro");
    EXPECT_FALSE(user.Click("Off"));
    EXPECT_FALSE(user.Alt('o'));
    EXPECT_FALSE(user.Click("OnPage2"));  // On the page that is not shown.
    EXPECT_FALSE(user.Alt('h'));
    EXPECT_TRUE(user.Alt('n'));
    EXPECT_EQ(user.Focused(), "Name");
    user.Close();
  });
  EXPECT_EQ(clicks, 0);
}

// A radio group is one tab stop (its checked button, else the first that
// can take the focus); arrows move inside it. Tab into an edit selects its
// text; an access key skips controls in a disabled container.
TEST_F(ToolkitEvents, KeyboardFollowsTheDesktopsRules) {
  int inside = 0;
  Get<TButton>("Inside").OnClick = [&](TControl*) { ++inside; };
  Get<TEdit>("Name").SetText("old");
  Run([&](UserDriver& user) {
    const std::vector<std::string> r1 = {"Name", "Fixed", "Choice", "List", "Pages", "R1", "Ok", "Base", "Q2"};
    EXPECT_EQ(TabCycle(user), r1);  // Wrapped round to Name.
    user.Type("new");
    EXPECT_EQ(user.Get<TEdit>("Name").Text(), "new");
    user.Press(Key::Tab, 5);
    EXPECT_TRUE(user.Press(Key::Down));
    EXPECT_EQ(user.Focused(), "R2");
    EXPECT_TRUE(user.Get<TRadioButton>("R2").Checked());
    user.Press(Key::ShiftTab, 5);
    std::vector<std::string> r2 = r1;
    r2[5] = "R2";
    EXPECT_EQ(TabCycle(user), r2);
    EXPECT_FALSE(user.Alt('i'));
    user.Close();
  });
  EXPECT_EQ(inside, 0);
}

TEST_F(ToolkitEvents, PageChangeCanBeRefusedAndFocusLeavesAHiddenPage) {
  auto& pages = Get<TPageControl>("Pages");
  bool allow = false;
  pages.OnChanging = [&](TControl*, bool& allowChange) { allowChange = allow; };
  Run([&](UserDriver& user) {
    EXPECT_FALSE(user.SelectTab("Pages", 1));
    EXPECT_EQ(pages.ActivePageIndex(), 0);
    allow = true;
    EXPECT_TRUE(user.SelectTab("Pages", 1));
    EXPECT_TRUE(user.Click("OnPage2"));
    EXPECT_EQ(user.Focused(), "OnPage2");
    pages.SetActivePage(pages.Pages()[0]);
    EXPECT_EQ(user.Focused(), "");
    user.Close();
  });
}

TEST_F(ToolkitEvents, AnErrorEscapingAHandlerShowsTheErrorBox) {
  Get<TButton>("Ok").OnClick = [](TControl*) { throw std::runtime_error("Broken"); };
  // The result was set before the handler ran.
  EXPECT_EQ(Run([&](UserDriver& user) { user.Click("Ok"); }), mrOk);
  EXPECT_EQ(ui.backend.Messages(), (std::vector<MessageBoxRequest>{
                                       {"Broken", "Vantrel", MessageIcon::Error, MessageButtons::Ok}}));
}

// A missing or mistyped control stops the form's creation with its name.
TEST_F(ToolkitEvents, BindingNamesAMissingOrMistypedControl) {
  EXPECT_EQ(&form.Bind<TEdit>("Name"), form.Find<TEdit>("Name"));
  for (const char* name : {"Ok", "Nothing"})
    EXPECT_EQ(ErrorOf<std::logic_error>([&] { form.Bind<TEdit>(name); }),
              "Sample has no control " + std::string(name) + " of the kind its code expects");
}

// The harness reports a script that met another form or left its form open.
TEST_F(ToolkitEvents, ScriptMismatchesAreReportedNotHidden) {
  ui.checkScripts = false;
  ui.Expect("Other", [](UserDriver&) {});
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(Run([](UserDriver&) {}), mrCancel);
  EXPECT_EQ(ui.backend.Problems(), (std::vector<std::string>{"expected Other but Sample was shown",
                                                             "the script left Sample open"}));
}

// A read-only drop-down changes only by picking: every edit (typing,
// Backspace, Delete, cut, paste) is refused; an editable one takes them.
TEST_F(ToolkitEvents, AReadOnlyDropDownRefusesEveryEditAndKeepsItsItem) {
  int changes = 0;
  form.Find<TComboBox>("Base")->OnChange = [&](TControl*) { ++changes; };
  Run([&](UserDriver& user) {
    auto& base = user.Get<TComboBox>("Base");
    EXPECT_FALSE(base.EditsText());
    EXPECT_TRUE(user.Pick("Base", 2));
    const std::function<bool()> edits[] = {
        [&] { return user.Type("CMyOwnView") && base.Text() != "CListView"; },
        [&] { return user.Press(Key::Backspace) && base.Text() != "CListView"; },
        [&] { return user::EditText(base, ""); },                    // Delete, Shift+Del, Ctrl+X, Cut.
        [&] { return user::EditText(base, "CMyOwnViewCListView"); },  // Ctrl+V, Paste.
    };
    for (const auto& edit : edits) {
      EXPECT_FALSE(edit());
      EXPECT_EQ(base.Text(), "CListView");
      EXPECT_EQ(base.ItemIndex(), 2);
    }
    EXPECT_TRUE(user.Press(Key::Up));
    EXPECT_EQ(base.Text(), "CEditView");

    auto& choice = user.Get<TComboBox>("Choice");
    EXPECT_TRUE(user::EditText(choice, "typed"));
    EXPECT_EQ(choice.Text(), "typed");
    user.Close();
  });
  EXPECT_EQ(changes, 2);
}

// For the double-click time after a form opens, the mouse's actions are
// refused, the keys' are not.
TEST_F(ToolkitEvents, AFormIgnoresPressesForTheDoubleClickTimeAfterItOpens) {
  ui.backend.SetDoubleClickTime(milliseconds{500});
  struct Press {
    const char* what;
    std::function<bool(UserDriver&)> act;
  };
  const Press presses[] = {
      {"click", [](UserDriver& user) { return user.Click("R2"); }},
      {"item", [](UserDriver& user) { return user.ClickItem("List", 1); }},
      {"double click", [](UserDriver& user) { return user.DoubleClickItem("List", 0); }},
      {"pick", [](UserDriver& user) { return user.Pick("Choice", 1); }},
  };
  for (const Press& press : presses) {
    Sample shown(&ui.app);
    ui.Expect("Sample", [&](UserDriver& user) {
      for (int after : {0, 150, 300, 499}) {
        now = milliseconds{100000 + after};
        EXPECT_FALSE(press.act(user)) << press.what << " " << after << " ms after the form opened";
      }
      EXPECT_TRUE(user.Press(Key::Tab)) << "keys are not affected";
      EXPECT_FALSE(user.Click("Ok"));
      EXPECT_EQ(user.Form().ModalResult(), mrNone);
      now = milliseconds{100500};
      EXPECT_TRUE(press.act(user)) << press.what;
      EXPECT_TRUE(user.Click("Ok"));
    });
    now = milliseconds{100000};
    EXPECT_EQ(shown.ShowModal(), mrOk) << press.what;
  }
}

// Long lines of a message break after a separator, else after a blank,
// else where they stop fitting; every character stays.
TEST(MessageText, LongLinesBreakAtSeparatorsAndEveryCharacterStays) {
  const auto fitsIn = [](std::size_t width) { return [width](std::string_view line) { return line.size() <= width; }; };
  struct Case {
    const char* text;
    std::size_t width;
    const char* fitted;
  } cases[] = {
      {"short\nlines", 20, "short\nlines"},
      {"Cannot create file C:\\long\\way\\Demo.bpr: Access denied", 20,
       "Cannot create file \nC:\\long\\way\\\nDemo.bpr: Access \ndenied"},
      {"/home/me/projects/Demo", 12, "/home/me/\nprojects/\nDemo"},
      {"abcdefghij", 4, "abcd\nefgh\nij"},
      {"\xc3\xb8\xc3\xb8\xc3\xb8", 3, "\xc3\xb8\n\xc3\xb8\n\xc3\xb8"},  // No character is cut in two.
  };
  for (const Case& c : cases) EXPECT_EQ(FitMessageText(c.text, fitsIn(c.width)), c.fitted) << c.text;
}

TEST(DirectoryList, ShowsThePathDownThenTheSubdirectories) {
  const std::vector<std::string> work = {"C:\\", "Work", "Other", "Sub"};
  const struct {
    const char* set;
    const char* shown;
    std::vector<std::string> items;
  } cases[] = {
      {"C:\\Work\\", "C:\\Work", work},
      {"C:/Work//Sub", "C:\\Work\\Sub", {"C:\\", "Work", "Sub"}},
      {"C:\\Work\\.\\Sub\\..", "C:\\Work", work},
      {"C:\\..\\Work", "C:\\Work", work},
      {"C:\\", "C:\\", {"C:\\", "Work"}},
      // A missing directory shows its nearest parent, else the current one.
      {"C:\\Work\\Gone\\Deeper", "C:\\Work", work},
      {"Q:\\Nowhere", "C:\\Work", work},
      {"", "C:\\Work", work},
  };
  for (const auto& c : cases) {
    Ui ui;
    ui.fs.AddDirectory("C:\\Work\\.git");  // Hidden: never listed.
    TForm form(&ui.app, "Host");
    TDirectoryListBox list(&form);
    list.SetDirectory(c.set);
    EXPECT_EQ(list.Directory(), c.shown) << c.set;
    EXPECT_EQ(list.Items(), c.items) << c.set;
    EXPECT_EQ(list.ItemPaths()[list.ItemIndex()], c.shown) << c.set;
  }
  // The chooser's tests read typed names through the list.
  EXPECT_EQ(TDirectoryListBox::Join("/", "/", "home"), "/home");
  EXPECT_EQ(TDirectoryListBox::Join("/", "/home", "me"), "/home/me");
  EXPECT_EQ(TDirectoryListBox::Join("C:\\", "C:\\Work", "Sub"), "C:\\Work\\Sub");
}

// Below the POSIX root a backslash belongs to the name: "a\\b" is one level.
#if !defined(_WIN32)
TEST(DirectoryList, BackslashIsPartOfANameBelowThePosixRoot) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("vantrel-dirlist-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir / "a\\b" / "c");
  {
    PosixFileSystem files;
    HeadlessBackend backend;
    TApplication app(backend, files);
    TForm form(&app, "Host");
    TDirectoryListBox list(&form);
    list.SetDirectory(dir.string() + "/a\\b");
    EXPECT_EQ(list.Directory(), dir.string() + "/a\\b");
    ASSERT_GE(list.Items().size(), 2u);
    EXPECT_EQ(list.Items()[list.Items().size() - 2], "a\\b");
    EXPECT_EQ(list.Items().back(), "c");
    EXPECT_EQ(list.Resolve("c"), dir.string() + "/a\\b/c");
    // A missing directory below it still shows "a\\b", its nearest parent.
    list.SetDirectory(dir.string() + "/a\\b/gone");
    EXPECT_EQ(list.Directory(), dir.string() + "/a\\b");
  }
  std::filesystem::remove_all(dir);
}
#endif

TEST(DirectoryList, DriveBoxAndListFollowEachOther) {
  Ui ui;
  TForm form(&ui.app, "Host");
  TDirectoryListBox list(&form);
  TDriveComboBox drives(&form);
  drives.SetDirList(&list);
  list.SetDirectory("C:\\Work\\Sub");
  EXPECT_EQ(drives.Drive(), "C:\\");
  drives.SetDrive("D:\\");
  EXPECT_EQ(list.Directory(), "D:\\");
  list.SetDirectory("D:\\Data");
  drives.SetDrive("C:\\");
  EXPECT_EQ(list.Directory(), "C:\\Work\\Sub");  // That drive's last directory.
  drives.SetDrive("D:\\");
  EXPECT_EQ(list.Directory(), "D:\\Data");
  EXPECT_EQ(ui.fs.CurrentDirectory(), "C:\\Work");  // Never changed.
}

}  // namespace
}  // namespace vantrel::test
