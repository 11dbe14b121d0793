#pragma once

#include "platform/fltk/FltkFormWindow.h"
#include "platform/toolkit/FormWindowBackend.h"

namespace vantrel::fltk {

class FltkMessageWindow;

// The toolkit's forms in real windows on an X display, through FLTK. Each
// form gets a window of its client size with FLTK's own widgets, centred on
// the screen. While a form runs modally, only its window takes input, or a
// message box shown from it: every other window (the owners' and the
// host's) takes none, and a click on one brings the modal window back to
// the top with the keyboard. Nothing here decides what an action does: the
// controls do.
class FltkBackend : public FormWindowBackend<FltkFormWindow> {
 public:
  FltkBackend();
  ~FltkBackend() override;

  // True when an X display can be opened.
  static bool DisplayAvailable();

  void RunModal(TForm& form) override;
  TModalResult ShowMessageBox(const MessageBoxRequest& request) override;
  void FormVisibilityChanged(TForm& form, bool visible) override;

  // Whether window may take the user's input now.
  bool TakesInput(const Fl_Window* window) const;
  // Brings the window that takes input to the top and gives it the keyboard.
  void Restack() const;
  // Whether a mouse press in window is ignored: the form or message box
  // opened less than the double-click time ago.
  bool PressIgnored(const Fl_Window* window) const;
  // Handles an event for one of the forms' windows.
  int Dispatch(int event, Fl_Window* window);

 private:
  // The window that takes input now, or null when none is modal.
  Fl_Window* InputWindow() const;
  // Copies the toolkit's state into every window whose form changed.
  void SyncAll();
  // Runs FLTK's loop until done() is true or window is gone.
  template <class Done>
  void Loop(Fl_Window& window, Done done);

  FltkMessageWindow* messageWindow_ = nullptr;
};

}  // namespace vantrel::fltk
