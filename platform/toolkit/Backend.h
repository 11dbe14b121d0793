#pragma once

#include <chrono>

#include "platform/toolkit/MessageBox.h"
#include "platform/toolkit/PressGuard.h"
#include "platform/toolkit/Types.h"

namespace vantrel {

class TApplication;
class TControl;
class TForm;

// What a windowing backend does for the toolkit: render the state of the
// forms and controls, and forward the user's actions through the calls of
// UserInput.h. It keeps no behaviour of its own.
class Backend {
 public:
  virtual ~Backend() = default;

  // The modal loop. Called by TForm::ShowModal once the form is visible and
  // its show handler has run; returns as soon as form.ModalResult() is not
  // mrNone (a backend that can no longer serve the form may return earlier,
  // and the form then ends with Cancel). Nested calls are made for forms
  // shown from inside an event handler.
  virtual void RunModal(TForm& form) = 0;

  // Shows a message box modally and returns the button chosen.
  virtual TModalResult ShowMessageBox(const MessageBoxRequest& request) = 0;

  // The time after a form or message box opens during which it ignores
  // mouse presses: the desktop's double-click time.
  virtual std::chrono::milliseconds DoubleClickTime() const { return kDefaultDoubleClickTime; }

  // A form became visible or hidden.
  virtual void FormVisibilityChanged(TForm& /*form*/, bool /*visible*/) {}
  // The state of a control (any of its properties) changed; repaint it.
  virtual void ControlChanged(TControl& /*control*/) {}
  // A control is being destroyed; forget it.
  virtual void ControlDestroyed(TControl& /*control*/) {}

 protected:
  // The application made with this backend, whose modal stack says which
  // form takes the user's input; null while there is none.
  TApplication* Application() const { return application_; }

 private:
  friend class TApplication;
  TApplication* application_ = nullptr;
};

}  // namespace vantrel
