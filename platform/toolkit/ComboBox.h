#pragma once

#include <string>
#include <vector>

#include "platform/toolkit/WinControl.h"

namespace vantrel {

// A combo box: a drop-down (an edit with a list) or a drop-down list (a
// choice from the list only). Its change handler runs only on a user's
// change (picking an entry, an arrow key, typing into a drop-down), never
// when code sets its text or its selection. A read-only drop-down keeps the
// look of one, but its edit part takes no edit at all (typing, Backspace,
// Delete, cut, paste, clear): its text changes only by picking one of its
// entries, with the mouse or the arrow keys. Backends make the edit part
// of their widget read-only, so that the widget's own editing commands
// refuse too.
class TComboBox : public TWinControl {
 public:
  enum class Style { DropDown, DropDownList };

  explicit TComboBox(TComponent* owner);

  Style ComboStyle() const { return style_; }
  void SetStyle(Style style) { style_ = style; }

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  // Whether a user may edit the text: a drop-down that is not read-only.
  bool EditsText() const { return style_ == Style::DropDown && !readOnly_; }

  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);

  const std::string& Text() const { return Caption(); }
  void SetText(const std::string& text);  // No change handler runs.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);  // No change handler runs.

  // A user picks entry index from the opened list: focuses the box and
  // selects the entry.
  bool UserPickItem(int index) override;

  void KeyChar(char key) override;
  bool NavigationKey(Key key) override;
  // A drop-down's text as a user's editing left it; the change handler runs.
  bool UserEditText(const std::string& text) override;

  TNotifyEvent OnChange;

 private:
  Style style_ = Style::DropDown;
  bool readOnly_ = false;
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

// Whether a control is a drop-down combo box, whose widget has an edit of
// its own.
bool IsDropDown(const TControl& control);

}  // namespace vantrel
