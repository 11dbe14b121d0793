#pragma once

#include "platform/toolkit/WinControl.h"

namespace vantrel {

// A push button. Pressing it sets its form's modal result to the button's
// own (when that is not mrNone), then runs its click handler. Enter or the
// space bar press a focused button.
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }

  // Presses the button, as a click or code does.
  void Click();

  void KeyChar(char key) override;
  // A click or the access key focuses and presses it.
  void UserClick() override;
  void AccessKeyPressed() override { UserClick(); }

 private:
  TModalResult modalResult_ = mrNone;
};

}  // namespace vantrel
