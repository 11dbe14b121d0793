#include "platform/toolkit/TabSheet.h"

#include "platform/toolkit/PageControl.h"

namespace vantrel {

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner, ControlKind::TabSheet) {
  SetTabStop(false);
}

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

void TTabSheet::SetTabVisible(bool visible) {
  tabVisible_ = visible;
  Changed();
}

bool TTabSheet::Showing() const {
  TPageControl* pages = PageControl();
  if (pages != nullptr && pages->ActivePage() != this) return false;
  return TWinControl::Showing();
}

}  // namespace vantrel
