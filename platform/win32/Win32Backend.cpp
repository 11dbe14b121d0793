#include "platform/win32/Win32Backend.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/toolkit/Application.h"
#include "platform/toolkit/Form.h"
#include "platform/win32/Win32Fonts.h"
#include "platform/win32/Win32FormWindow.h"

namespace vantrel::win32 {
namespace {

UINT IconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error: return MB_ICONERROR;
    case MessageIcon::Warning: return MB_ICONWARNING;
    case MessageIcon::Information: return MB_ICONINFORMATION;
    case MessageIcon::Question: return MB_ICONQUESTION;
    case MessageIcon::None: break;
  }
  return 0;
}

UINT ButtonStyle(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel: return MB_OKCANCEL;
    case MessageButtons::YesNo: return MB_YESNO;
    case MessageButtons::YesNoCancel: return MB_YESNOCANCEL;
    case MessageButtons::Ok: break;
  }
  return MB_OK;
}

TModalResult ResultOf(int answer) {
  switch (answer) {
    case IDOK: return mrOk;
    case IDYES: return mrYes;
    case IDNO: return mrNo;
    default: return mrCancel;
  }
}

bool IsKey(UINT message) {
  return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_CHAR || message == WM_SYSCHAR;
}

bool IsPress(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN;
}

}  // namespace

Win32Backend::Win32Backend() : fonts_(std::make_unique<Win32Fonts>()) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  Win32FormWindow::RegisterWindowClass();
}

Win32Backend::~Win32Backend() {
  // The windows go before the fonts they use and their class.
  windows_.clear();
  Win32FormWindow::UnregisterWindowClass();
}

Win32FormWindow* Win32Backend::WindowOf(const TForm& form) const {
  auto found = windows_.find(&form);
  return found == windows_.end() ? nullptr : found->second.get();
}

HWND Win32Backend::OwnerWindow(const TForm* form) const {
  for (auto it = modal_.rbegin(); it != modal_.rend(); ++it)
    if (Win32FormWindow* owner = WindowOf(**it); owner != nullptr && *it != form && IsWindowVisible(owner->Handle()))
      return owner->Handle();
  const TApplication* app = form != nullptr ? form->Application() : nullptr;
  return app != nullptr ? reinterpret_cast<HWND>(app->Handle()) : nullptr;
}

void Win32Backend::SyncAll() {
  const TForm* input = modal_.empty() ? nullptr : modal_.back();
  for (auto& [form, window] : windows_) window->Sync(form == input);
}

void Win32Backend::FormVisibilityChanged(TForm& form, bool visible) {
  Win32FormWindow* window = WindowOf(form);
  if (!visible) {
    if (window != nullptr) ShowWindow(window->Handle(), SW_HIDE);
    return;
  }
  if (window == nullptr) {
    auto made = std::make_unique<Win32FormWindow>(form, OwnerWindow(&form), *fonts_);
    window = made.get();
    windows_[&form] = std::move(made);
  }
  window->MarkChanged();
  window->Sync(false);
  ShowWindow(window->Handle(), SW_SHOW);
  SetForegroundWindow(window->Handle());
  UpdateWindow(window->Handle());
}

bool Win32Backend::Pump(Win32FormWindow& window) {
  SyncAll();
  MSG message;
  if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
    // A request to quit ends the loop and is passed on to the host's.
    PostQuitMessage(static_cast<int>(message.wParam));
    return false;
  }
  if (window.Owns(message.hwnd)) {
    if (IsKey(message.message)) {
      switch (window.RouteKey(message)) {
        case KeyRoute::Used: return true;
        case KeyRoute::Translate: TranslateMessage(&message); return true;
        case KeyRoute::Native: break;
      }
    } else if (IsPress(message.message) && window.MousePressed(message)) {
      return true;
    }
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
  Win32FormWindow::RethrowPending();
  if (IsPress(message.message) && window.Owns(message.hwnd)) window.FocusFollowed();
  return true;
}

namespace {

// The window beneath a modal form takes no input while the form runs. It is
// enabled again before the form goes, so that the activation returns to it,
// also when an error ends the loop.
class DisabledOwner {
 public:
  explicit DisabledOwner(HWND owner) : owner_(owner), disabled_(owner != nullptr && !EnableWindow(owner, FALSE)) {}
  ~DisabledOwner() {
    if (disabled_) EnableWindow(owner_, TRUE);
  }
  DisabledOwner(const DisabledOwner&) = delete;
  DisabledOwner& operator=(const DisabledOwner&) = delete;

 private:
  HWND owner_;
  bool disabled_;
};

}  // namespace

void Win32Backend::RunModal(TForm& form) {
  Win32FormWindow* window = WindowOf(form);
  if (window == nullptr || window->Handle() == nullptr) return;
  const DisabledOwner owner(window->Owner());
  modal_.push_back(&form);
  try {
    while (form.ModalResult() == mrNone && IsWindow(window->Handle()))
      if (!Pump(*window)) break;
  } catch (...) {
    modal_.pop_back();
    throw;
  }
  modal_.pop_back();
}

TModalResult Win32Backend::ShowMessageBox(const MessageBoxRequest& request) {
  SyncAll();
  const TForm* input = modal_.empty() ? nullptr : modal_.back();
  HWND owner = input != nullptr && WindowOf(*input) != nullptr ? WindowOf(*input)->Handle()
                                                                : reinterpret_cast<HWND>(request.applicationWindow);
  const int answer = MessageBoxA(owner, request.text.c_str(), request.caption.c_str(),
                                 IconStyle(request.icon) | ButtonStyle(request.buttons) | MB_APPLMODAL);
  for (auto& [form, window] : windows_) window->MarkChanged();
  return ResultOf(answer);
}

void Win32Backend::ControlChanged(TControl& control) {
  TForm* form = control.Form();
  if (form == nullptr) return;
  if (Win32FormWindow* window = WindowOf(*form)) window->MarkChanged();
}

void Win32Backend::ControlDestroyed(TControl& control) {
  if (control.Kind() == ControlKind::Form) {
    windows_.erase(static_cast<const TForm*>(&control));
    modal_.erase(std::remove(modal_.begin(), modal_.end(), &control), modal_.end());
    return;
  }
  for (auto& [form, window] : windows_) window->Forget(control);
}

}  // namespace vantrel::win32
