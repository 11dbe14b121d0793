#pragma once

#include "platform/toolkit/WinControl.h"

namespace vantrel {

// A radio button. The radio buttons with the same parent form one group:
// checking one clears the others. A user's click checks it and, when that
// changes it, runs the click handler.
class TRadioButton : public TWinControl {
 public:
  explicit TRadioButton(TComponent* owner);

  bool Checked() const { return checked_; }
  // Sets the state from code; no handler runs.
  void SetChecked(bool checked);

  // A user's click (or the space bar, or the access key).
  void UserClick();
  void KeyChar(char key) override;
  // The arrows move to the next or previous enabled button of the group
  // and check it.
  bool NavigationKey(Key key) override;

 private:
  bool checked_ = false;
};

}  // namespace vantrel
