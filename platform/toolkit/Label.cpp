#include "platform/toolkit/Label.h"

#include "platform/toolkit/WinControl.h"

namespace vantrel {

TLabel::TLabel(TComponent* owner) : TControl(owner, ControlKind::Label) {}

bool TLabel::TakesAccessKey() const {
  return EnabledInTree() && focusControl_ != nullptr && focusControl_->CanFocus();
}

void TLabel::AccessKeyPressed() { focusControl_->KeyboardFocus(); }

}  // namespace vantrel
