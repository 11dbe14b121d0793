#include "platform/toolkit/ListBox.h"

#include "platform/toolkit/ItemIndex.h"

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
  itemIndex_ = IsItemIndex(index, items_.size()) ? index : -1;
  Changed();
}

bool TListBox::Selected(int index) const { return index >= 0 && index == itemIndex_; }

void TListBox::UserSelect(int index) {
  if (!IsItemIndex(index, items_.size()) || index == itemIndex_) return;
  SetItemIndex(index);
  if (OnClick) OnClick(this);
}

void TListBox::UserDoubleClick(int index) {
  UserSelect(index);
  if (OnDblClick) OnDblClick(this);
}

bool TListBox::NavigationKey(Key key) {
  const std::optional<int> index = NavigatedIndex(key, itemIndex_, items_.size());
  if (index) UserSelect(*index);
  return index.has_value();
}

}  // namespace vantrel
