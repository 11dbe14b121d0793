#pragma once

#include "platform/toolkit/Control.h"

namespace vantrel {

class TWinControl;

// A text on a form. Its access key moves the focus to its focus control.
class TLabel : public TControl {
 public:
  explicit TLabel(TComponent* owner);

  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control) { focusControl_ = control; }
  // A label with automatic size grows with its text; one without cuts a
  // longer text at its right edge.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap) { wordWrap_ = wordWrap; }

  // The access key reaches a label whose focus control can take the focus,
  // and moves the focus there.
  bool TakesAccessKey() const override;
  void AccessKeyPressed() override;

 private:
  TWinControl* focusControl_ = nullptr;
  bool autoSize_ = true;
  bool wordWrap_ = false;
};

}  // namespace vantrel
