#pragma once

#include <FL/Fl_Double_Window.H>

#include "platform/toolkit/MessageBox.h"

namespace vantrel::fltk {

// A message box: its icon, its text and its buttons in a window that is
// modal before it is shown. Enter presses the focused button (the first at
// start); closing the box, or Escape, answers Cancel when there is a Cancel
// button and otherwise like its only or last button.
class MessageWindow : public Fl_Double_Window {
 public:
  explicit MessageWindow(const MessageBoxRequest& request);

  // Sets the answer; the box closes on the next turn of the loop.
  void Answer(TModalResult answer) { answer_ = answer; }
  TModalResult Answered() const { return answer_; }
  TModalResult Closing() const { return closing_; }

  // Gives the first button the focus, once the box is shown.
  void FocusFirstButton();

  int handle(int event) override;

 private:
  TModalResult answer_ = mrNone;
  TModalResult closing_ = mrCancel;
};

}  // namespace vantrel::fltk
