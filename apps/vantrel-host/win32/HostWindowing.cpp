#include "apps/vantrel-host/win32/HostWindowing.h"

namespace vantrel::hostapp {
namespace {

constexpr const char* kClassName = "VantrelHostWindow";

struct Binding {
  HostWindowProc proc;
  void* self;
};

LRESULT CALLBACK Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  const auto* binding = reinterpret_cast<const Binding*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (binding == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  const LRESULT result = binding->proc(binding->self, window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    delete binding;
  }
  return result;
}

void RegisterOnce() {
  static const bool registered = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Dispatch;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace

HWND CreateHostWindow(const char* title, DWORD style, int width, int height, HWND owner, HMENU menu,
                      HostWindowProc proc, void* self) {
  RegisterOnce();
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, style, menu != nullptr, 0);
  const int outerWidth = frame.right - frame.left;
  const int outerHeight = frame.bottom - frame.top;
  RECT area;
  if (owner == nullptr || !GetWindowRect(owner, &area)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const int x = area.left + (area.right - area.left - outerWidth) / 2;
  const int y = area.top + (area.bottom - area.top - outerHeight) / 2;
  // The binding lives as long as the window: it is freed on WM_NCDESTROY.
  auto* binding = new Binding{proc, self};
  HWND window = CreateWindowExA(0, kClassName, title, style, x < 0 ? 0 : x, y < 0 ? 0 : y, outerWidth,
                                outerHeight, owner, menu, GetModuleHandleA(nullptr), binding);
  if (window == nullptr) delete binding;
  return window;
}

HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y, int width,
                   int height, int id, DWORD exStyle) {
  HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                 parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  return control;
}

void RunModal(HWND window, HWND owner, HWND focus, const bool& done) {
  if (owner != nullptr) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  SetFocus(focus);
  MSG message;
  while (!done) {
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
      // A request to quit ends this loop and is passed on to the main one.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  // The owner is enabled before the window goes, so that the activation
  // returns to it rather than to another program.
  if (owner != nullptr) EnableWindow(owner, TRUE);
  ShowWindow(window, SW_HIDE);
}

}  // namespace vantrel::hostapp
