// The keyboard moves the one selection of every list-like control the same
// way, and a user's change runs the handler only when the entry changes.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/DriveComboBox.h"
#include "platform/toolkit/ItemIndex.h"
#include "platform/toolkit/ListBox.h"
#include "tests/DialogTestSupport.h"

namespace vantrel::test {
namespace {

// One list-like control with three entries, none selected at first: how to
// press a key on it, read its selection and count its change events.
struct Subject {
  const char* what;
  std::function<bool(Key)> press;
  std::function<int()> index;
  int changes = 0;
};

TEST(ItemNavigation, KeysMoveTheSelectionAlikeInEveryList) {
  struct Step {
    Key key;
    bool used;
    int index;
    int changes;  // Change events so far.
  };
  const Step steps[] = {
      {Key::Up, true, 0, 1},  // Either arrow starts at the first entry.
      {Key::Up, true, 0, 1},  // The ends hold, and nothing changed.
      {Key::Down, true, 1, 2},
      {Key::End, true, 2, 3},
      {Key::Down, true, 2, 3},
      {Key::Tab, false, 2, 3},  // Not a navigation key.
      {Key::Home, true, 0, 4},
  };

  Ui ui;
  ui.fs.AddDirectory("E:\\");  // A third drive besides C: and D:.
  TForm form(&ui.app, "Host");
  TListBox list(&form);
  for (const char* item : {"x", "y", "z"}) list.AddItem(item);
  TComboBox combo(&form);
  combo.SetStyle(TComboBox::Style::DropDownList);
  combo.SetItems({"A", "B", "C"});
  TDriveComboBox drives(&form);
  ASSERT_EQ(drives.Drives().size(), 3u);

  Subject subjects[] = {
      {"list", [&](Key k) { return list.NavigationKey(k); }, [&] { return list.ItemIndex(); }},
      {"combo box", [&](Key k) { return combo.NavigationKey(k); },
       [&] { return combo.ItemIndex(); }},
      {"drive box", [&](Key k) { return drives.NavigationKey(k); },
       [&]() -> int {
         for (std::size_t i = 0; i < drives.Drives().size(); ++i)
           if (drives.Drives()[i] == drives.Drive()) return static_cast<int>(i);
         return -1;
       }},
  };
  list.OnClick = [&](TControl*) { ++subjects[0].changes; };
  combo.OnChange = [&](TControl*) { ++subjects[1].changes; };
  drives.OnChange = [&](TControl*) { ++subjects[2].changes; };

  for (Subject& s : subjects) {
    ASSERT_EQ(s.index(), -1) << s.what;
    for (const Step& step : steps) {
      EXPECT_EQ(s.press(step.key), step.used) << s.what;
      EXPECT_EQ(s.index(), step.index) << s.what;
      EXPECT_EQ(s.changes, step.changes) << s.what;
    }
  }
}

TEST(ItemNavigation, AnEmptyListUsesNoKey) {
  Ui ui;
  TForm form(&ui.app, "Host");
  TListBox list(&form);
  TComboBox combo(&form);
  for (Key key : {Key::Up, Key::Down, Key::Home, Key::End}) {
    EXPECT_FALSE(list.NavigationKey(key));
    EXPECT_FALSE(combo.NavigationKey(key));
    EXPECT_FALSE(NavigatedIndex(key, -1, 0).has_value());
  }
}

}  // namespace
}  // namespace vantrel::test
