#pragma once

#include <windows.h>

namespace vantrel::hostapp {

// What the host's windows share: one window class for its top-level
// windows, its child controls in the system's dialog font, and the modal
// loop of the gallery.

// A window procedure that finds the object it serves in the window's user
// data, set from the creation parameter.
using HostWindowProc = LRESULT (*)(void* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates a top-level window of the host's class with a client area of the
// given size, centred over owner (or on the screen), handing each message to
// proc with self.
HWND CreateHostWindow(const char* title, DWORD style, int width, int height, HWND owner, HMENU menu,
                      HostWindowProc proc, void* self);

// Creates a child control in the dialog font; id is its command identifier.
HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y, int width,
                   int height, int id, DWORD exStyle = 0);

// Shows window modally over owner, with the focus on focus: owner takes no
// input until done is set, and then gets the activation back.
void RunModal(HWND window, HWND owner, HWND focus, const bool& done);

}  // namespace vantrel::hostapp
