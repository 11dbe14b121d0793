#pragma once

#include <map>
#include <memory>

#include "platform/toolkit/Application.h"
#include "platform/toolkit/Backend.h"
#include "platform/toolkit/Form.h"

namespace vantrel {

// A backend that shows each form in a window of its own. It keeps the table
// of the forms' windows: a control's change marks its form's window for the
// next sync, and a control that is destroyed is forgotten by every window,
// a form with its window. Which window takes the input comes from the
// application's modal stack. Window is the backend's form window, with
// MarkChanged(), Forget(const TControl&) and Shown().
template <class Window>
class FormWindowBackend : public Backend {
 public:
  void ControlChanged(TControl& control) override {
    if (Window* window = WindowOf(control.Form())) window->MarkChanged();
  }

  void ControlDestroyed(TControl& control) override {
    if (control.Kind() == ControlKind::Form) {
      windows_.erase(&control);
      return;
    }
    for (auto& entry : windows_) entry.second->Forget(control);
  }

 protected:
  Window* WindowOf(const TForm* form) const {
    auto found = windows_.find(form);
    return found == windows_.end() ? nullptr : found->second.get();
  }

  // The window of the innermost modal form, or null when none is modal.
  Window* ModalWindow() const {
    const TApplication* app = Application();
    return app != nullptr ? WindowOf(app->ModalForm()) : nullptr;
  }

  // The window a new form opens above: the shown window of the innermost
  // modal form other than form itself; null for none (the host's window).
  Window* WindowBeneath(const TForm& form) const {
    const TApplication* app = Application();
    if (app == nullptr) return nullptr;
    const auto& modal = app->ModalForms();
    for (auto it = modal.rbegin(); it != modal.rend(); ++it)
      if (Window* window = WindowOf(*it); window != nullptr && *it != &form && window->Shown()) return window;
    return nullptr;
  }

  // Keyed by the form as a control: a form is forgotten while it is
  // destroyed, when it is no longer a TForm.
  std::map<const TControl*, std::unique_ptr<Window>> windows_;
};

}  // namespace vantrel
