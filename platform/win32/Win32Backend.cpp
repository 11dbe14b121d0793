#include "platform/win32/Win32Backend.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <string_view>

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
  return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN ||
         message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK;
}

// Which button the box's focus starts on: MB_DEFBUTTON1 to 3.
UINT DefaultButtonStyle(MessageButtons buttons, TModalResult answer) {
  switch (buttons) {
    case MessageButtons::OkCancel: return answer == mrCancel ? MB_DEFBUTTON2 : MB_DEFBUTTON1;
    case MessageButtons::YesNo: return answer == mrNo ? MB_DEFBUTTON2 : MB_DEFBUTTON1;
    case MessageButtons::YesNoCancel:
      return answer == mrNo ? MB_DEFBUTTON2 : answer == mrCancel ? MB_DEFBUTTON3 : MB_DEFBUTTON1;
    case MessageButtons::Ok: break;
  }
  return MB_DEFBUTTON1;
}

// The message box being shown: the time in which it ignores presses, and
// whether Escape answers No (a Yes/No box, which the system closes by no
// key of its own).
struct ShownBox {
  PressGuard guard;
  bool escapeAnswersNo = false;
};
ShownBox* shownBox = nullptr;

// Sees every message the box's own loop takes from the queue.
LRESULT CALLBACK BoxMessages(int code, WPARAM removed, LPARAM lParam) {
  if (code == HC_ACTION && removed == PM_REMOVE && shownBox != nullptr) {
    MSG& message = *reinterpret_cast<MSG*>(lParam);
    if (IsPress(message.message) && shownBox->guard.IgnoresPresses()) {
      message.message = WM_NULL;
    } else if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && shownBox->escapeAnswersNo) {
      PostMessageA(GetAncestor(message.hwnd, GA_ROOT), WM_COMMAND, IDNO, 0);
      message.message = WM_NULL;
    }
  }
  return CallNextHookEx(nullptr, code, removed, lParam);
}

// The message's text broken so that the box fits the work area, measured
// in the font the system draws message boxes with.
std::string FittedText(const std::string& text) {
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  // Room for the icon, the margins and the frame.
  const LONG widest = std::max<LONG>(100, area.right - area.left - 120);
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HFONT font = CreateFontIndirectA(&metrics.lfMessageFont);
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  std::string fitted = FitMessageText(
      text,
      [dc, widest](std::string_view line) {
        SIZE size{};
        GetTextExtentPoint32A(dc, line.data(), static_cast<int>(line.size()), &size);
        return size.cx <= widest;
      },
      [](std::string_view line, std::size_t start) {
        return start + (IsDBCSLeadByte(static_cast<BYTE>(line[start])) && start + 1 < line.size() ? 2 : 1);
      });
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return fitted;
}

// How long closing a form waits for the activation to settle.
constexpr DWORD kActivationSettleMs = 50;

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

HWND Win32Backend::OwnerWindow(const TForm& form) const {
  if (const Win32FormWindow* owner = WindowBeneath(form)) return owner->Handle();
  const TApplication* app = form.Application();
  return app != nullptr ? reinterpret_cast<HWND>(app->Handle()) : nullptr;
}

void Win32Backend::SyncAll() {
  const Win32FormWindow* input = ModalWindow();
  for (auto& [form, window] : windows_) window->Sync(window.get() == input);
}

void Win32Backend::FormVisibilityChanged(TForm& form, bool visible) {
  Win32FormWindow* window = WindowOf(&form);
  if (!visible) {
    if (window == nullptr) return;
    ShowWindow(window->Handle(), SW_HIDE);
    // The activation goes back to the window beneath, which is enabled
    // again by now: the form's owner, or when that is hidden the next
    // modal form's window or the host's. Left to the system (or to a
    // window manager, which hears of the form's activation only later) it
    // may go to no window of the program at all.
    for (HWND next : {window->Owner(), OwnerWindow(form)})
      if (next != nullptr && IsWindowVisible(next) && IsWindowEnabled(next)) {
        SetForegroundWindow(next);
        SetActiveWindow(next);
        break;
      }
    // The system hears of what the window manager did with the activation
    // while messages are looked at, before the caller goes on (a run may
    // follow at once, and close the window beneath in turn).
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kActivationSettleMs, QS_ALLINPUT);
    MSG pending;
    PeekMessageA(&pending, nullptr, 0, 0, PM_NOREMOVE);
    return;
  }
  if (window == nullptr) {
    auto made = std::make_unique<Win32FormWindow>(form, OwnerWindow(form), *fonts_);
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
  // A form that has just opened ignores presses (keys are not affected).
  if (IsPress(message.message) && window.Owns(message.hwnd) && window.Form().IgnoresPresses()) return true;
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
  Win32FormWindow* window = WindowOf(&form);
  if (window == nullptr || window->Handle() == nullptr) return;
  const DisabledOwner owner(window->Owner());
  while (form.ModalResult() == mrNone && IsWindow(window->Handle()))
    if (!Pump(*window)) break;
}

TModalResult Win32Backend::ShowMessageBox(const MessageBoxRequest& request) {
  SyncAll();
  const Win32FormWindow* input = ModalWindow();
  HWND owner = input != nullptr ? input->Handle() : reinterpret_cast<HWND>(request.applicationWindow);
  ShownBox box;
  box.escapeAnswersNo = request.buttons == MessageButtons::YesNo;
  ShownBox* outer = shownBox;
  shownBox = &box;
  HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, BoxMessages, nullptr, GetCurrentThreadId());
  box.guard.Opened(DoubleClickTime());
  const int answer = MessageBoxA(owner, FittedText(request.text).c_str(), request.caption.c_str(),
                                 IconStyle(request.icon) | ButtonStyle(request.buttons) |
                                     DefaultButtonStyle(request.buttons, request.defaultAnswer) | MB_APPLMODAL);
  if (hook != nullptr) UnhookWindowsHookEx(hook);
  shownBox = outer;
  for (auto& [form, window] : windows_) window->MarkChanged();
  return ResultOf(answer);
}

std::chrono::milliseconds Win32Backend::DoubleClickTime() const {
  return std::chrono::milliseconds{GetDoubleClickTime()};
}

}  // namespace vantrel::win32
