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

  // A user's click (or the space bar, or the access key): focuses and
  // checks it.
  void UserClick() override;
  void AccessKeyPressed() override { UserClick(); }
  void KeyChar(char key) override;
  // A group is one tab stop: its checked button or, with none checked that
  // can take the focus, its first one in tab order that can.
  bool IsTabStop() const override;
  // The arrows move to the next or previous enabled button of the group
  // and check it.
  bool NavigationKey(Key key) override;

 private:
  bool checked_ = false;
};

}  // namespace vantrel
