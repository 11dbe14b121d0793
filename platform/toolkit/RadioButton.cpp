#include "platform/toolkit/RadioButton.h"

#include <vector>

namespace vantrel {

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner, ControlKind::RadioButton) {}

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (checked_ && Parent() != nullptr) {
    for (TControl* sibling : Parent()->Controls())
      if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio != nullptr && radio != this)
        radio->SetChecked(false);
  }
  Changed();
}

namespace {

// The radio buttons of the group (the same parent), in tab order.
std::vector<TRadioButton*> GroupOf(const TRadioButton& radio) {
  std::vector<TRadioButton*> group;
  if (radio.Parent() == nullptr) return group;
  for (TWinControl* sibling : radio.Parent()->TabOrdered())
    if (auto* other = dynamic_cast<TRadioButton*>(sibling)) group.push_back(other);
  return group;
}

}  // namespace

bool TRadioButton::IsTabStop() const {
  if (!TabStop()) return false;
  if (checked_) return true;
  for (TRadioButton* radio : GroupOf(*this))
    if (radio->Checked() && radio->CanFocus()) return false;
  for (TRadioButton* radio : GroupOf(*this))
    if (radio->CanFocus()) return radio == this;
  return false;
}

void TRadioButton::UserClick() {
  SetFocus();
  if (checked_) return;
  SetChecked(true);
  if (OnClick) OnClick(this);
}

void TRadioButton::KeyChar(char key) {
  if (key == ' ') UserClick();
}

bool TRadioButton::NavigationKey(Key key) {
  if (Parent() == nullptr || (key != Key::Up && key != Key::Down)) return false;
  const std::vector<TRadioButton*> group = GroupOf(*this);
  std::size_t self = 0;
  while (group[self] != this) ++self;
  const std::size_t n = group.size();
  for (std::size_t step = 1; step < n; ++step) {
    std::size_t i = key == Key::Down ? (self + step) % n : (self + n - step) % n;
    if (!group[i]->CanFocus()) continue;
    group[i]->UserClick();
    return true;
  }
  return true;
}

}  // namespace vantrel
