#pragma once

#include <string>
#include <vector>

#include "platform/toolkit/WinControl.h"

namespace vantrel {

// A list box with at most one selected item. Its click handler runs when a
// user changes the selection (a click on an item, an arrow key), not when
// code does. A click below the last item changes nothing.
class TListBox : public TWinControl {
 public:
  explicit TListBox(TComponent* owner, ControlKind kind = ControlKind::ListBox);

  const std::vector<std::string>& Items() const { return items_; }
  void AddItem(const std::string& item);
  void Clear();

  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);  // No handler runs.
  bool Selected(int index) const;

  // A user clicks item index (a value outside the items is the empty area).
  void UserSelect(int index);
  // A user double-clicks item index: selects it, then runs the double-click
  // handler.
  virtual void UserDoubleClick(int index);
  bool NavigationKey(Key key) override;

  TNotifyEvent OnDblClick;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

}  // namespace vantrel
