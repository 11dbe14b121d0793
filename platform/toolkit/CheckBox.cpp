#include "platform/toolkit/CheckBox.h"

namespace vantrel {

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner, ControlKind::CheckBox) {}

void TCheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed();
}

void TCheckBox::UserClick() {
  SetFocus();
  SetChecked(!checked_);
  if (OnClick) OnClick(this);
}

void TCheckBox::KeyChar(char key) {
  if (key == ' ') UserClick();
}

}  // namespace vantrel
