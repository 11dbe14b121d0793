#include "platform/toolkit/Button.h"

#include "platform/toolkit/Form.h"

namespace vantrel {

TButton::TButton(TComponent* owner) : TWinControl(owner, ControlKind::Button) {}

void TButton::Click() {
  if (TForm* form = Form(); form != nullptr && modalResult_ != mrNone)
    form->SetModalResult(modalResult_);
  if (OnClick) OnClick(this);
}

void TButton::UserClick() {
  SetFocus();
  Click();
}

void TButton::KeyChar(char key) {
  if (key == kCharEnter || key == ' ') Click();
}

}  // namespace vantrel
