#include "platform/toolkit/WinControl.h"

#include <algorithm>
#include <stdexcept>

#include "platform/toolkit/Form.h"

namespace vantrel {

TWinControl::TWinControl(TComponent* owner, ControlKind kind) : TControl(owner, kind) {}

TWinControl::~TWinControl() {
  // Children that outlive their parent (owned elsewhere) are detached.
  while (!controls_.empty()) controls_.back()->SetParent(nullptr);
}

std::vector<TWinControl*> TWinControl::TabOrdered() const {
  std::vector<TWinControl*> children;
  for (TControl* control : controls_)
    if (auto* win = dynamic_cast<TWinControl*>(control)) children.push_back(win);
  std::stable_sort(children.begin(), children.end(), [](TWinControl* a, TWinControl* b) {
    return a->TabOrder() < b->TabOrder();
  });
  return children;
}

void TWinControl::SetFocus() {
  if (!CanFocus()) throw std::runtime_error("Cannot focus a disabled or invisible window");
  if (TForm* form = Form()) form->SetActiveControl(this);
}

bool TWinControl::Focused() const {
  TForm* form = Form();
  return form != nullptr && form->ActiveControl() == this;
}

void TWinControl::KeyChar(char) {}

bool TWinControl::NavigationKey(Key) { return false; }

}  // namespace vantrel
