#pragma once

#include "platform/toolkit/WinControl.h"

namespace vantrel {

// A check box. A user's click toggles it and runs the click handler.
class TCheckBox : public TWinControl {
 public:
  explicit TCheckBox(TComponent* owner);

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  // A click, the space bar or the access key: focuses and toggles it.
  void UserClick() override;
  void AccessKeyPressed() override { UserClick(); }
  void KeyChar(char key) override;

 private:
  bool checked_ = false;
};

}  // namespace vantrel
