#include "platform/fltk/FltkBackend.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xlib.h>

// X11 defines None as a macro, which the toolkit's enumerations also use.
#undef None

#include <algorithm>

#include "platform/fltk/FormWindow.h"
#include "platform/fltk/MessageWindow.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/Form.h"

namespace vantrel::fltk {
namespace {

// Keeps a new window above its parent and gives it the keyboard, as a
// modal dialog has it; without a window manager nobody else would.
void KeepAbove(Fl_Window& window, unsigned long parent) {
  if (!window.shown()) return;
  if (parent != 0) XSetTransientForHint(fl_display, fl_xid(&window), parent);
  window.wait_for_expose();
  XSetInputFocus(fl_display, fl_xid(&window), RevertToParent, CurrentTime);
}

}  // namespace

FltkBackend::FltkBackend() { Fl::visual(FL_DOUBLE | FL_INDEX); }

FltkBackend::~FltkBackend() = default;

bool FltkBackend::DisplayAvailable() {
  // A host that uses FLTK has opened the display already.
  if (fl_display != nullptr) return true;
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (Display* display = XOpenDisplay(nullptr)) {
      fl_open_display(display);
      return true;
    }
  }
  return false;
}

FormWindow* FltkBackend::WindowOf(const TForm& form) const {
  auto found = windows_.find(&form);
  return found == windows_.end() ? nullptr : found->second.get();
}

unsigned long FltkBackend::ParentWindow(const TForm* except) const {
  for (auto it = modal_.rbegin(); it != modal_.rend(); ++it)
    if (*it != except)
      if (FormWindow* window = WindowOf(**it); window != nullptr && window->shown()) return fl_xid(window);
  return 0;
}

void FltkBackend::FormVisibilityChanged(TForm& form, bool visible) {
  FormWindow* window = WindowOf(form);
  if (!visible) {
    if (window != nullptr) window->hide();
    Fl::flush();
    return;
  }
  if (window == nullptr) window = (windows_[&form] = std::make_unique<FormWindow>(form)).get();
  window->Sync();
  if (form.Centered()) window->position((Fl::w() - window->w()) / 2, (Fl::h() - window->h()) / 2);
  unsigned long parent = ParentWindow(&form);
  if (parent == 0)
    if (TApplication* app = form.Application()) parent = app->Handle();
  window->show();
  KeepAbove(*window, parent);
  Fl::flush();
}

void FltkBackend::RunModal(TForm& form) {
  FormWindow* window = WindowOf(form);
  if (window == nullptr) return;
  modal_.push_back(&form);
  window->set_modal();
  while (form.ModalResult() == mrNone && window->shown()) Fl::wait();
  modal_.pop_back();
}

TModalResult FltkBackend::ShowMessageBox(const MessageBoxRequest& request) {
  return RunMessageWindow(request, ParentWindow(nullptr));
}

void FltkBackend::ControlChanged(TControl& control) {
  TForm* form = control.Form();
  if (form == nullptr) return;
  if (FormWindow* window = WindowOf(*form)) {
    if (&control == form) window->Sync();
    window->redraw();
  }
}

void FltkBackend::ControlDestroyed(TControl& control) {
  if (control.Kind() == ControlKind::Form) {
    windows_.erase(static_cast<const TForm*>(&control));
    modal_.erase(std::remove(modal_.begin(), modal_.end(), &control), modal_.end());
    return;
  }
  for (auto& [form, window] : windows_) window->Forget(control);
}

}  // namespace vantrel::fltk
