#include "platform/fltk/FltkBackend.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xlib.h>

// X11 defines None as a macro, which the toolkit's enumerations also use.
#undef None

#include "platform/fltk/FltkFormWindow.h"
#include "platform/fltk/FltkMessageWindow.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/Form.h"

namespace vantrel::fltk {
namespace {

// FLTK's event dispatch takes no context: the backend that filters events.
FltkBackend* dispatching = nullptr;

int DispatchEvent(int event, Fl_Window* window) {
  if (dispatching != nullptr) return dispatching->Dispatch(event, window);
  return Fl::handle_(event, window);
}

bool IsInput(int event) {
  switch (event) {
    case FL_PUSH:
    case FL_RELEASE:
    case FL_DRAG:
    case FL_MOUSEWHEEL:
    case FL_KEYBOARD:
    case FL_KEYUP:
    case FL_SHORTCUT:
    case FL_PASTE:
    case FL_DND_ENTER:
    case FL_DND_DRAG:
    case FL_DND_RELEASE: return true;
    default: return false;
  }
}

// Swallows the error of a request that may fail, while it is in flight.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

// Raises a shown window and gives it the keyboard, as the desktop does for
// an active dialog; without a window manager nobody else would. Only a
// window on the screen can take the keyboard: one that a window manager has
// not mapped yet, or has just unmapped, is left to it, and the request's
// failure, should the window leave the screen meanwhile, ends nothing.
void Activate(Fl_Window& window) {
  if (!window.shown()) return;
  const Window xid = fl_xid(&window);
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(fl_display, xid, &attributes) == 0 || attributes.map_state != IsViewable) return;
  XRaiseWindow(fl_display, xid);
  XSync(fl_display, False);
  const auto previous = XSetErrorHandler(IgnoreError);
  XSetInputFocus(fl_display, xid, RevertToParent, CurrentTime);
  XSync(fl_display, False);
  XSetErrorHandler(previous);
}

}  // namespace

FltkBackend::FltkBackend() {
  Fl::visual(FL_DOUBLE | FL_INDEX);
  dispatching = this;
  Fl::event_dispatch(DispatchEvent);
}

FltkBackend::~FltkBackend() {
  if (dispatching == this) {
    dispatching = nullptr;
    Fl::event_dispatch(nullptr);
  }
}

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

Fl_Window* FltkBackend::InputWindow() const {
  if (messageWindow_ != nullptr) return messageWindow_;
  return ModalWindow();
}

bool FltkBackend::TakesInput(const Fl_Window* window) const {
  // A drop-down list or menu that is open has the input to itself.
  if (Fl::grab() != nullptr) return true;
  const Fl_Window* input = InputWindow();
  return input == nullptr || window == input;
}

void FltkBackend::Restack() const {
  if (Fl_Window* input = InputWindow()) Activate(*input);
}

int FltkBackend::Dispatch(int event, Fl_Window* window) {
  if (IsInput(event) && !TakesInput(window)) {
    // The keyboard belongs to the window that takes input, wherever the X
    // focus was left; a click elsewhere brings that window back.
    Fl_Window* input = InputWindow();
    if ((event == FL_KEYBOARD || event == FL_KEYUP) && input != nullptr) {
      Restack();
      return Dispatch(event, input);
    }
    if (event == FL_PUSH) Restack();
    return 0;
  }
  // A form or message box that has just opened ignores presses; the
  // release that follows one finds nothing pressed.
  if (event == FL_PUSH && PressIgnored(window)) return 1;
  if (window != nullptr && window == messageWindow_ && event == FL_KEYBOARD) return window->handle(event);
  auto* form = dynamic_cast<FltkFormWindow*>(window);
  if (form == nullptr || Fl::grab() != nullptr) return Fl::handle_(event, window);
  if (event == FL_KEYBOARD) return form->RouteKey();
  if (event == FL_SHORTCUT) return 1;  // Keys are routed above, never as widget shortcuts.
  if (event == FL_PUSH && form->DropDownPressed()) return 1;
  const int used = Fl::handle_(event, window);
  if (event == FL_PUSH) form->FocusFollowed();
  return used;
}

bool FltkBackend::PressIgnored(const Fl_Window* window) const {
  if (window != nullptr && window == messageWindow_) return messageWindow_->IgnoresPresses();
  const auto* form = dynamic_cast<const FltkFormWindow*>(window);
  return form != nullptr && form->Form().IgnoresPresses();
}

void FltkBackend::SyncAll() {
  const Fl_Window* input = InputWindow();
  for (auto& [form, window] : windows_) window->Sync(window.get() == input);
}

template <class Done>
void FltkBackend::Loop(Fl_Window& window, Done done) {
  while (!done() && window.shown()) {
    SyncAll();
    Fl::wait();
  }
}

void FltkBackend::FormVisibilityChanged(TForm& form, bool visible) {
  FltkFormWindow* window = WindowOf(&form);
  if (!visible) {
    if (window != nullptr) window->hide();
    Restack();
    Fl::flush();
    return;
  }
  if (window == nullptr) window = (windows_[&form] = std::make_unique<FltkFormWindow>(form)).get();
  window->MarkChanged();
  window->Sync(false);
  // Modal from the start: FLTK keeps a modal window above the others.
  if (form.Modal()) window->set_modal();
  if (form.Centered()) window->position((Fl::w() - window->w()) / 2, (Fl::h() - window->h()) / 2);
  // The window above which it stays: the innermost other modal form's, or
  // the host's.
  unsigned long parent = 0;
  if (FltkFormWindow* owner = WindowBeneath(form))
    parent = fl_xid(owner);
  else if (TApplication* app = form.Application())
    parent = app->Handle();
  window->show();
  if (parent != 0) XSetTransientForHint(fl_display, fl_xid(window), parent);
  window->wait_for_expose();
  Activate(*window);
  Fl::flush();
}

void FltkBackend::RunModal(TForm& form) {
  FltkFormWindow* window = WindowOf(&form);
  if (window == nullptr) return;
  Activate(*window);
  Loop(*window, [&] { return form.ModalResult() != mrNone; });
}

TModalResult FltkBackend::ShowMessageBox(const MessageBoxRequest& request) {
  SyncAll();
  FltkMessageWindow box(request);
  FltkMessageWindow* previous = messageWindow_;
  messageWindow_ = &box;
  box.show();
  if (FltkFormWindow* owner = ModalWindow(); owner != nullptr && owner->Shown())
    XSetTransientForHint(fl_display, fl_xid(&box), fl_xid(owner));
  box.wait_for_expose();
  Activate(box);
  box.Shown(DoubleClickTime());
  Loop(box, [&] { return box.Answered() != mrNone; });
  box.hide();
  messageWindow_ = previous;
  Restack();
  return box.Answered() == mrNone ? box.Closing() : box.Answered();
}

}  // namespace vantrel::fltk
