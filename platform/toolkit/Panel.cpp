#include "platform/toolkit/Panel.h"

namespace vantrel {

TPanel::TPanel(TComponent* owner) : TWinControl(owner, ControlKind::Panel) { SetTabStop(false); }

void TPanel::SetBevels(Bevel inner, Bevel outer) {
  inner_ = inner;
  outer_ = outer;
  Changed();
}

}  // namespace vantrel
