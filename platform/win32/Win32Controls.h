#pragma once

#include <windows.h>

#include "platform/toolkit/LastCopied.h"

namespace vantrel {
class TControl;
}

namespace vantrel::win32 {

class Win32Fonts;

// One control and the native control that shows it, with what was last
// copied into it.
struct Binding {
  TControl* control = nullptr;
  HWND hwnd = nullptr;
  LastCopied copied;
};

// The native control that shows a control: its system class and styles at
// its place, a child of the form's window. Null for a control that needs no
// window of its own (a tab sheet, a borderless panel, pages without tabs).
HWND MakeControl(const TControl& control, HWND form, int id, Win32Fonts& fonts);

// Copies the control's state into its native control: caption, text,
// items, selection, checks, enabled state and visibility. The program's
// own changes cause notifications that the caller ignores while it runs.
void SyncControl(Binding& binding);

// Whether the native control edits text itself (an edit, a drop-down combo
// box): keys that type nothing are then its own.
bool EditsText(const TControl& control);

// The page of a page control whose tab is at tab index (pages with hidden
// tabs have none), or -1.
int PageOfTab(const TControl& pageControl, int tab);

// The height of a row of the lists and boxes this backend draws itself.
inline constexpr int kRowHeight = 16;

}  // namespace vantrel::win32
