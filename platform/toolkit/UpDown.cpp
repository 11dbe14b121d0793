#include "platform/toolkit/UpDown.h"

#include <algorithm>
#include <string>

#include "platform/toolkit/Edit.h"

namespace vantrel {

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner, ControlKind::UpDown) {
  SetTabStop(false);
}

void TUpDown::SetAssociate(TEdit* edit) {
  associate_ = edit;
  SetPosition(position_);
}

void TUpDown::SetRange(int min, int max, int position, bool wrap) {
  min_ = min;
  max_ = max;
  wrap_ = wrap;
  SetPosition(position);
}

void TUpDown::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  if (associate_ != nullptr) associate_->SetText(std::to_string(position_));
  Changed();
}

void TUpDown::UserStep(int delta) {
  int next = position_ + delta;
  if (next > max_) next = wrap_ ? min_ : max_;
  if (next < min_) next = wrap_ ? max_ : min_;
  SetPosition(next);
}

bool TUpDown::NavigationKey(Key key) {
  if (key == Key::Up) UserStep(1);
  else if (key == Key::Down) UserStep(-1);
  else return false;
  return true;
}

}  // namespace vantrel
