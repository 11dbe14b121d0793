#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/toolkit/Form.h"
#include "platform/win32/Win32Controls.h"

namespace vantrel::win32 {

class Win32Fonts;

// What becomes of a key message after the toolkit has seen it.
enum class KeyRoute {
  Used,       // The toolkit used it; the control never sees it.
  Translate,  // Only the character it types matters: translate it, but the
              // control does not see the key itself.
  Native,     // The control's own key: translate and dispatch it.
};

// The window of one form: a top-level window with a fixed dialog frame and
// one native control per toolkit control, all children of the form's
// window at the places the toolkit's layout gives (containers beneath their
// contents). Native notifications become user actions; the toolkit's state
// is copied back into the controls by Sync.
class Win32FormWindow {
 public:
  Win32FormWindow(TForm& form, HWND owner, Win32Fonts& fonts);
  ~Win32FormWindow();
  Win32FormWindow(const Win32FormWindow&) = delete;
  Win32FormWindow& operator=(const Win32FormWindow&) = delete;

  TForm& Form() const { return form_; }
  HWND Handle() const { return hwnd_; }
  HWND Owner() const { return owner_; }
  bool Shown() const { return hwnd_ != nullptr && IsWindowVisible(hwnd_); }

  // The toolkit's state changed; the next Sync copies it into the controls.
  void MarkChanged() { changed_ = true; }
  // Copies the toolkit's state into the controls when it changed. With
  // takeFocus, also gives the keyboard focus to the focused control.
  void Sync(bool takeFocus);
  // A control is going away: its native control goes with it.
  void Forget(const TControl& control);

  // Whether a message's window is this form's window or one of its
  // controls (a combo box's edit included).
  bool Owns(HWND hwnd) const;
  // A key message (WM_KEYDOWN, WM_SYSKEYDOWN, WM_CHAR, WM_SYSCHAR) for this
  // window: the toolkit rules on it first. The message may be changed (a
  // character that the key-press handler replaced).
  KeyRoute RouteKey(MSG& message);
  // A mouse press: the press on a check list's check box toggles the item
  // (true: used); otherwise the caller dispatches it and then calls
  // FocusFollowed.
  bool MousePressed(const MSG& message);
  // After a mouse press: the toolkit hears of a focus moved by a control.
  void FocusFollowed();

  // The window class of the forms, registered while a backend lives: it
  // belongs to the library, and goes before the library is unloaded.
  static void RegisterWindowClass();
  static void UnregisterWindowClass();

  // An error cannot unwind through the system's code that calls a window
  // procedure: the procedure keeps it, and the loop that dispatched the
  // message raises it again here.
  static void RethrowPending();

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Build(const TWinControl& parent, Win32Fonts& fonts);
  Binding* BindingOf(HWND hwnd) const;
  Binding* BindingOf(const TControl* control) const;
  void Command(Binding& binding, int code);
  LRESULT Notify(Binding& binding, const NMHDR& header);
  // The background of edits and memos as the toolkit has them: the window
  // colour, or the button face where disabled or asked for.
  LRESULT ControlColour(UINT message, HWND control, HDC dc);

  TForm& form_;
  HWND owner_;
  HWND hwnd_ = nullptr;
  std::vector<std::unique_ptr<Binding>> bindings_;
  std::map<HWND, Binding*> byWindow_;
  bool changed_ = true;
  // Set while the program changes the controls: what they report then is
  // the program's change, not the user's.
  bool syncing_ = false;
};

}  // namespace vantrel::win32
