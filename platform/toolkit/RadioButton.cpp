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

void TRadioButton::UserClick() {
  if (checked_) return;
  SetChecked(true);
  if (OnClick) OnClick(this);
}

void TRadioButton::KeyChar(char key) {
  if (key == ' ') UserClick();
}

bool TRadioButton::NavigationKey(Key key) {
  if (Parent() == nullptr || (key != Key::Up && key != Key::Down)) return false;
  std::vector<TRadioButton*> group;
  for (TControl* sibling : Parent()->Controls())
    if (auto* radio = dynamic_cast<TRadioButton*>(sibling)) group.push_back(radio);
  std::size_t self = 0;
  while (group[self] != this) ++self;
  const std::size_t n = group.size();
  for (std::size_t step = 1; step < n; ++step) {
    std::size_t i = key == Key::Down ? (self + step) % n : (self + n - step) % n;
    if (!group[i]->CanFocus()) continue;
    group[i]->SetFocus();
    group[i]->UserClick();
    return true;
  }
  return true;
}

}  // namespace vantrel
