#pragma once

#include "platform/toolkit/MessageBox.h"

namespace vantrel::fltk {

// Shows a message box in a modal window above parent (an X window id, or 0)
// and returns the button chosen. Closing it, or Escape, answers Cancel when
// there is a Cancel button and otherwise like its only or last button.
TModalResult RunMessageWindow(const MessageBoxRequest& request, unsigned long parent);

}  // namespace vantrel::fltk
