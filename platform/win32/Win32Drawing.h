#pragma once

#include <windows.h>

namespace vantrel {
class TControl;
}

namespace vantrel::win32 {

// Draws what the system leaves to the program (WM_DRAWITEM): a picture
// control's canvas, a check list's row with its check box, a directory
// list's row with its folder picture indented by its level, and a drive
// box's entry with its drive picture.
void DrawItem(const TControl& control, const DRAWITEMSTRUCT& item);

}  // namespace vantrel::win32
