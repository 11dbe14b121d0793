#pragma once

#include <FL/Fl_Double_Window.H>

#include "platform/toolkit/MessageBox.h"
#include "platform/toolkit/PressGuard.h"

namespace vantrel::fltk {

// A message box: its icon, its text and its buttons in a window that is
// modal before it is shown, no wider than the screen's work area (long
// lines broken by FitMessageText). Enter presses the focused button (the
// default answer's at start); closing the box, or Escape, answers Cancel
// when there is a Cancel button and otherwise like its last button. For
// the double-click time after it is shown it ignores mouse presses.
class FltkMessageWindow : public Fl_Double_Window {
 public:
  explicit FltkMessageWindow(const MessageBoxRequest& request);

  // Sets the answer; the box closes on the next turn of the loop.
  void Answer(TModalResult answer) { answer_ = answer; }
  TModalResult Answered() const { return answer_; }
  TModalResult Closing() const { return closing_; }

  // The box is on the screen: gives the default button the focus and
  // starts the time in which presses are ignored.
  void Shown(std::chrono::milliseconds doubleClickTime);
  bool IgnoresPresses() const { return guard_.IgnoresPresses(); }

  int handle(int event) override;

 private:
  TModalResult answer_ = mrNone;
  TModalResult closing_ = mrCancel;
  TModalResult default_ = mrNone;
  PressGuard guard_;
};

}  // namespace vantrel::fltk
