#include "platform/toolkit/ListBox.h"

#include <algorithm>

namespace vantrel {

TListBox::TListBox(TComponent* owner, ControlKind kind) : TWinControl(owner, kind) {}

void TListBox::AddItem(const std::string& item) {
  items_.push_back(item);
  Changed();
}

void TListBox::Clear() {
  items_.clear();
  itemIndex_ = -1;
  Changed();
}

void TListBox::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
  Changed();
}

bool TListBox::Selected(int index) const { return index >= 0 && index == itemIndex_; }

void TListBox::UserSelect(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size()) || index == itemIndex_) return;
  SetItemIndex(index);
  if (OnClick) OnClick(this);
}

bool TListBox::NavigationKey(Key key) {
  if (items_.empty()) return false;
  const int last = static_cast<int>(items_.size()) - 1;
  int index = itemIndex_;
  switch (key) {
    case Key::Up: index = index < 0 ? 0 : std::max(0, index - 1); break;
    case Key::Down: index = std::min(last, index + 1); break;
    case Key::Home: index = 0; break;
    case Key::End: index = last; break;
    default: return false;
  }
  UserSelect(index);
  return true;
}

}  // namespace vantrel
