#include "platform/toolkit/CheckListBox.h"

#include <stdexcept>

#include "platform/toolkit/ItemIndex.h"

namespace vantrel {

TCheckListBox::TCheckListBox(TComponent* owner) : TListBox(owner, ControlKind::CheckListBox) {}

bool TCheckListBox::Checked(int index) const {
  return IsItemIndex(index, checked_.size()) && checked_[index];
}

void TCheckListBox::SetChecked(int index, bool checked) {
  if (!IsItemIndex(index, Items().size()))
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  if (checked_.size() < Items().size()) checked_.resize(Items().size(), false);
  checked_[index] = checked;
  Changed();
}

void TCheckListBox::UserToggle(int index) {
  if (!IsItemIndex(index, Items().size())) return;
  SetChecked(index, !Checked(index));
  if (OnClick) OnClick(this);
}

}  // namespace vantrel
