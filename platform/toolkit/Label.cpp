#include "platform/toolkit/Label.h"

namespace vantrel {

TLabel::TLabel(TComponent* owner) : TControl(owner, ControlKind::Label) {}

}  // namespace vantrel
