// The keyboard moves the one selection of every list-like control the same
// way, and a user's change runs the handler only when the entry changes.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/DriveComboBox.h"
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
  const struct {
    Key key;
    bool used;
    int index, changes;  // The selection and the change events so far.
  } steps[] = {
      {Key::Up, true, 0, 1},  // Either arrow starts at the first entry.
      {Key::Up, true, 0, 1},  // The ends hold, and nothing changed.
      {Key::Down, true, 1, 2}, {Key::End, true, 2, 3}, {Key::Down, true, 2, 3},
      {Key::Tab, false, 2, 3},  // Not a navigation key.
      {Key::Home, true, 0, 4},
  };
  Ui ui;
  ui.fs.AddDirectory("E:\\");  // A third drive besides C: and D:.
  TForm form(&ui.app, "Host");
  TListBox list(&form), emptyList(&form);
  for (const char* item : {"x", "y", "z"}) list.AddItem(item);
  TComboBox combo(&form), emptyCombo(&form);
  combo.SetStyle(TComboBox::Style::DropDownList);
  combo.SetItems({"A", "B", "C"});
  TDriveComboBox drives(&form);
  ASSERT_EQ(drives.Drives().size(), 3u);
  Subject subjects[] = {
      {"list", [&](Key k) { return list.NavigationKey(k); }, [&] { return list.ItemIndex(); }},
      {"combo box", [&](Key k) { return combo.NavigationKey(k); }, [&] { return combo.ItemIndex(); }},
      {"drive box", [&](Key k) { return drives.NavigationKey(k); },
       [&] {
         const auto at = std::ranges::find(drives.Drives(), drives.Drive());
         return at == drives.Drives().end() ? -1 : static_cast<int>(at - drives.Drives().begin());
       }},
  };
  list.OnClick = [&](TControl*) { ++subjects[0].changes; };
  combo.OnChange = [&](TControl*) { ++subjects[1].changes; };
  drives.OnChange = [&](TControl*) { ++subjects[2].changes; };
  for (Subject& s : subjects) {
    ASSERT_EQ(s.index(), -1) << s.what;
    for (const auto& step : steps) {
      EXPECT_EQ(s.press(step.key), step.used) << s.what;
      EXPECT_EQ(s.index(), step.index) << s.what;
      EXPECT_EQ(s.changes, step.changes) << s.what;
    }
  }
  // An empty list uses no key.
  for (Key key : {Key::Up, Key::Down, Key::Home, Key::End}) {
    EXPECT_FALSE(emptyList.NavigationKey(key));
    EXPECT_FALSE(emptyCombo.NavigationKey(key));
  }
}

}  // namespace
}  // namespace vantrel::test
