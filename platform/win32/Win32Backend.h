#pragma once

#include <windows.h>

#include <memory>

#include "platform/toolkit/FormWindowBackend.h"
#include "platform/win32/Win32FormWindow.h"

namespace vantrel::win32 {

class Win32Fonts;

// The toolkit's forms in the system's own windows: each form is a
// top-level window of its client size, centred on the screen, owned by the
// innermost modal form's window or, for the first, by the host's window
// (the application's handle), with one native control per toolkit control.
// A modal form disables its owner while it runs. Keys reach the toolkit
// before any control (the message loop in Win32Backend.cpp); native notifications become the
// toolkit's user actions; the toolkit's state is copied back into the
// controls after every message. Nothing here decides what an action does:
// the controls do.
class Win32Backend : public FormWindowBackend<Win32FormWindow> {
 public:
  Win32Backend();
  ~Win32Backend() override;

  void RunModal(TForm& form) override;
  TModalResult ShowMessageBox(const MessageBoxRequest& request) override;
  void FormVisibilityChanged(TForm& form, bool visible) override;
  // The system's double-click time.
  std::chrono::milliseconds DoubleClickTime() const override;

 private:
  // The window beneath a new form: the innermost other modal form's shown
  // window, or the host's.
  HWND OwnerWindow(const TForm& form) const;
  // Copies the toolkit's state into every form's window that changed; the
  // innermost modal form's window takes the keyboard focus it names.
  void SyncAll();
  // Handles one message of a modal loop; false when the loop must end
  // because the program is quitting.
  bool Pump(Win32FormWindow& window);

  std::unique_ptr<Win32Fonts> fonts_;
};

}  // namespace vantrel::win32
