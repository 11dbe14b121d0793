#include "platform/win32/Win32FormWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <exception>
#include <string>

#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/Memo.h"
#include "platform/toolkit/UpDown.h"
#include "platform/toolkit/UserInput.h"
#include "platform/win32/Win32Drawing.h"
#include "platform/win32/Win32Fonts.h"

namespace vantrel::win32 {
namespace {

constexpr const char* kFormClass = "VantrelForm";

// An error raised inside a window procedure, until the loop raises it.
std::exception_ptr pending;
constexpr int kFirstId = 100;

// This module: the library the forms' window procedure lives in, which
// owns their window class, so that the class goes when the library goes.
extern "C" IMAGE_DOS_HEADER __ImageBase;
HINSTANCE ThisModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

// The backends alive, which share the window class.
int classUsers = 0;

std::string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), length + 1)));
  return text;
}

// A container lies beneath the controls placed on it.
bool IsContainer(const TControl& control) {
  return control.Kind() == ControlKind::PageControl || control.Kind() == ControlKind::Panel;
}

bool IsCombo(const TControl& control) {
  return control.Kind() == ControlKind::ComboBox || control.Kind() == ControlKind::DriveComboBox;
}

}  // namespace

Win32FormWindow::Win32FormWindow(TForm& form, HWND owner, Win32Fonts& fonts) : form_(form), owner_(owner) {
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | (form.HelpButton() ? WS_EX_CONTEXTHELP : 0);
  RECT frame{0, 0, std::max(1, form.ClientWidth()), std::max(1, form.ClientHeight())};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT area{0, 0, width, height};
  if (form.Centered()) SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const int x = std::max<int>(area.left, area.left + (area.right - area.left - width) / 2);
  const int y = std::max<int>(area.top, area.top + (area.bottom - area.top - height) / 2);
  hwnd_ = CreateWindowExA(exStyle, kFormClass, form.Caption().c_str(), style, x, y, width, height, owner, nullptr,
                          ThisModule(), this);
  if (hwnd_ == nullptr) return;
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(form.Font())), FALSE);
  Build(form_, fonts);
  // A control made later lies above those made before it (a step's picture
  // above the page's strip), and containers beneath their contents, the
  // outermost lowest.
  for (const auto& binding : bindings_)
    SetWindowPos(binding->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (auto it = bindings_.rbegin(); it != bindings_.rend(); ++it)
    if (IsContainer(*(*it)->control))
      SetWindowPos((*it)->hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // Spin buttons are bound to their edit.
  for (const auto& binding : bindings_)
    if (const auto* spin = dynamic_cast<const TUpDown*>(binding->control))
      if (const Binding* edit = BindingOf(spin->Associate()))
        SendMessageA(binding->hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit->hwnd), 0);
}

void Win32FormWindow::RegisterWindowClass() {
  if (classUsers++ > 0) return;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = ThisModule();
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kFormClass;
  RegisterClassA(&windowClass);
}

void Win32FormWindow::UnregisterWindowClass() {
  if (--classUsers == 0) UnregisterClassA(kFormClass, ThisModule());
}

Win32FormWindow::~Win32FormWindow() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Win32FormWindow::Build(const TWinControl& parent, Win32Fonts& fonts) {
  for (TControl* child : parent.Controls()) {
    const int id = kFirstId + static_cast<int>(bindings_.size());
    if (HWND hwnd = MakeControl(*child, hwnd_, id, fonts)) {
      auto binding = std::make_unique<Binding>();
      binding->control = child;
      binding->hwnd = hwnd;
      byWindow_[hwnd] = binding.get();
      bindings_.push_back(std::move(binding));
    }
    if (const auto* inner = dynamic_cast<const TWinControl*>(child)) Build(*inner, fonts);
  }
}

Binding* Win32FormWindow::BindingOf(HWND hwnd) const {
  // A window inside a native control (a combo box's edit) belongs to the
  // control's binding.
  for (; hwnd != nullptr && hwnd != hwnd_; hwnd = GetParent(hwnd))
    if (auto found = byWindow_.find(hwnd); found != byWindow_.end()) return found->second;
  return nullptr;
}

Binding* Win32FormWindow::BindingOf(const TControl* control) const {
  for (const auto& binding : bindings_)
    if (binding->control == control) return binding.get();
  return nullptr;
}

void Win32FormWindow::Forget(const TControl& control) {
  auto found = std::find_if(bindings_.begin(), bindings_.end(),
                            [&](const auto& binding) { return binding->control == &control; });
  if (found == bindings_.end()) return;
  byWindow_.erase((*found)->hwnd);
  DestroyWindow((*found)->hwnd);
  bindings_.erase(found);
}

bool Win32FormWindow::Owns(HWND hwnd) const {
  return hwnd_ != nullptr && (hwnd == hwnd_ || IsChild(hwnd_, hwnd));
}

void Win32FormWindow::Sync(bool takeFocus) {
  if (hwnd_ == nullptr) return;
  if (changed_) {
    syncing_ = true;
    if (WindowText(hwnd_) != form_.Caption()) SetWindowTextA(hwnd_, form_.Caption().c_str());
    for (const auto& binding : bindings_) SyncControl(*binding);
    syncing_ = false;
    changed_ = false;
  }
  if (!takeFocus) return;
  const Binding* focused = BindingOf(form_.ActiveControl());
  HWND target = focused != nullptr ? focused->hwnd : hwnd_;
  HWND current = GetFocus();
  if (current != target && !IsChild(target, current)) SetFocus(target);
}

LRESULT CALLBACK Win32FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self == nullptr || self->hwnd_ == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  try {
    return self->Handle(message, wParam, lParam);
  } catch (...) {
    if (!pending) pending = std::current_exception();
    return 0;
  }
}

void Win32FormWindow::RethrowPending() {
  if (!pending) return;
  std::exception_ptr error = pending;
  pending = nullptr;
  std::rethrow_exception(error);
}

LRESULT Win32FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (Binding* binding = BindingOf(reinterpret_cast<HWND>(lParam)); binding != nullptr && !syncing_)
        Command(*binding, HIWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (Binding* binding = BindingOf(header.hwndFrom); binding != nullptr && !syncing_)
        return Notify(*binding, header);
      return 0;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (const Binding* binding = BindingOf(item.hwndItem)) DrawItem(*binding->control, item);
      return TRUE;
    }
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kRowHeight;
      return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return ControlColour(message, reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    case WM_CLOSE:
      user::CloseWindow(form_);
      MarkChanged();
      return 0;
    default: return DefWindowProcA(hwnd_, message, wParam, lParam);
  }
}

void Win32FormWindow::Command(Binding& binding, int code) {
  TControl& control = *binding.control;
  HWND hwnd = binding.hwnd;
  switch (control.Kind()) {
    case ControlKind::Button:
      if (code == BN_CLICKED) user::Click(control);
      break;
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
      if (code == BN_CLICKED || code == BN_DOUBLECLICKED) user::Click(control);
      break;
    case ControlKind::Edit:
      if (code == EN_CHANGE) user::EditText(control, WindowText(hwnd));
      break;
    case ControlKind::ComboBox:
    case ControlKind::DriveComboBox:
      if (code == CBN_SELCHANGE) user::PickItem(control, static_cast<int>(SendMessageA(hwnd, CB_GETCURSEL, 0, 0)));
      if (code == CBN_EDITCHANGE) user::EditText(control, WindowText(hwnd));
      break;
    case ControlKind::ListBox:
    case ControlKind::DirectoryListBox:
    case ControlKind::CheckListBox: {
      const auto index = static_cast<int>(SendMessageA(hwnd, LB_GETCURSEL, 0, 0));
      if (code == LBN_SELCHANGE) user::ClickItem(control, index);
      if (code == LBN_DBLCLK) user::DoubleClickItem(control, index);
      break;
    }
    default: break;
  }
  // The toolkit decides: whatever the control did on its own (a list's
  // selection, a combo box's text) is put back as the toolkit has it.
  MarkChanged();
}

LRESULT Win32FormWindow::Notify(Binding& binding, const NMHDR& header) {
  TControl& control = *binding.control;
  if (control.Kind() == ControlKind::PageControl && header.code == TCN_SELCHANGING) {
    // The tab under the mouse asks the toolkit, which may refuse; the tab
    // control itself never changes the page.
    TCHITTESTINFO hit{};
    const DWORD at = GetMessagePos();
    hit.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    ScreenToClient(binding.hwnd, &hit.pt);
    const auto tab = static_cast<int>(SendMessageA(binding.hwnd, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    user::SelectTab(control, PageOfTab(control, tab));
    MarkChanged();
    return TRUE;
  }
  if (control.Kind() == ControlKind::UpDown && header.code == UDN_DELTAPOS) {
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    user::Spin(control, change.iDelta > 0 ? 1 : -1);
    MarkChanged();
    return TRUE;
  }
  return 0;
}

LRESULT Win32FormWindow::ControlColour(UINT message, HWND control, HDC dc) {
  const Binding* binding = BindingOf(control);
  int colour = -1;
  // A read-only combo box's edit keeps the look of an editable one.
  const bool comboEdit = binding != nullptr && binding->control->Kind() == ControlKind::ComboBox && binding->hwnd != control;
  if (binding != nullptr && (binding->control->Kind() == ControlKind::Edit || comboEdit))
    colour = binding->control->EnabledInTree() ? COLOR_WINDOW : COLOR_BTNFACE;
  if (binding != nullptr && binding->control->Kind() == ControlKind::Memo)
    colour = static_cast<const TMemo*>(binding->control)->ButtonFaceColor() ? COLOR_BTNFACE : COLOR_WINDOW;
  if (colour < 0)
    return DefWindowProcA(hwnd_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  SetBkColor(dc, GetSysColor(colour));
  SetTextColor(dc, GetSysColor(binding->control->EnabledInTree() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(colour));
}

bool Win32FormWindow::MousePressed(const MSG& message) {
  if (message.message != WM_LBUTTONDOWN && message.message != WM_LBUTTONDBLCLK) return false;
  const Binding* binding = BindingOf(message.hwnd);
  if (binding == nullptr || binding->control->Kind() != ControlKind::CheckListBox) return false;
  // The check box is the square at the left of each row.
  const auto hit = static_cast<DWORD>(SendMessageA(binding->hwnd, LB_ITEMFROMPOINT, 0, message.lParam));
  const int x = static_cast<short>(LOWORD(message.lParam));
  if (HIWORD(hit) != 0 || x >= kRowHeight) return false;
  user::ToggleItem(*binding->control, static_cast<int>(LOWORD(hit)));
  MarkChanged();
  return true;
}

void Win32FormWindow::FocusFollowed() {
  // A tab control takes the focus from a click on a tab, the toolkit's
  // pages none: the next sync gives it back to the focused control.
  const Binding* binding = BindingOf(GetFocus());
  if (binding != nullptr && binding->control != form_.ActiveControl() &&
      binding->control->Kind() != ControlKind::PageControl)
    user::Focus(*binding->control);
  MarkChanged();
}

KeyRoute Win32FormWindow::RouteKey(MSG& message) {
  MarkChanged();
  const TWinControl* focused = form_.ActiveControl();
  const Binding* focusedBinding = BindingOf(focused);
  // An open drop-down list has the keys to itself.
  if (focusedBinding != nullptr && IsCombo(*focused) &&
      SendMessageA(focusedBinding->hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0)
    return KeyRoute::Native;
  const bool edits = focused != nullptr && EditsText(*focused);
  if (message.message == WM_CHAR) {
    char typed = static_cast<char>(message.wParam);
    // Control characters (Backspace, the clipboard's Ctrl keys) reach an
    // edit only as the key that the toolkit has let through already.
    if (static_cast<unsigned char>(typed) < ' ') return edits ? KeyRoute::Native : KeyRoute::Used;
    if (!edits) {
      user::TypeChar(form_, typed);
      return KeyRoute::Used;
    }
    if (!user::FilterChar(form_, typed)) return KeyRoute::Used;
    message.wParam = static_cast<unsigned char>(typed);
    return KeyRoute::Native;
  }
  if (message.message == WM_SYSCHAR) return message.wParam == ' ' ? KeyRoute::Native : KeyRoute::Used;

  const auto vk = static_cast<UINT>(message.wParam);
  if (GetKeyState(VK_MENU) < 0) {
    // Any printable key may be an access key: "&..." makes it the period.
    const UINT ch = MapVirtualKeyA(vk, MAPVK_VK_TO_CHAR) & 0x7FFF;
    if (ch == 0 || ch >= 128 || !std::isgraph(static_cast<int>(ch))) return KeyRoute::Native;
    user::AltKey(form_, static_cast<char>(std::tolower(static_cast<int>(ch))));
    return KeyRoute::Used;
  }
  switch (vk) {
    case VK_TAB: user::PressKey(form_, GetKeyState(VK_SHIFT) < 0 ? Key::ShiftTab : Key::Tab); return KeyRoute::Used;
    case VK_RETURN: user::PressKey(form_, Key::Enter); return KeyRoute::Used;
    case VK_ESCAPE: user::PressKey(form_, Key::Escape); return KeyRoute::Used;
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END: {
      const Key key = vk == VK_UP ? Key::Up : vk == VK_DOWN ? Key::Down : vk == VK_HOME ? Key::Home : Key::End;
      return !user::PressKey(form_, key) && edits ? KeyRoute::Native : KeyRoute::Used;
    }
    case VK_BACK:
      if (!edits) {
        user::PressKey(form_, Key::Backspace);
        return KeyRoute::Used;
      }
      if (char typed = kCharBackspace; user::FilterChar(form_, typed)) return KeyRoute::Native;
      return KeyRoute::Used;
    case VK_SPACE:
      if (edits) return KeyRoute::Native;
      user::PressKey(form_, Key::Space);
      return KeyRoute::Used;
    case VK_F4:
      // F4 opens a combo box's list, as the system's own key for it.
      return focused != nullptr && IsCombo(*focused) ? KeyRoute::Native : KeyRoute::Used;
    default: break;
  }
  // Keys that type nothing (arrows, Delete, the clipboard's Ctrl keys) are
  // an edit's own; a typed character reaches the toolkit as a character.
  if (edits) return KeyRoute::Native;
  if (GetKeyState(VK_CONTROL) < 0) return KeyRoute::Used;
  return (MapVirtualKeyA(vk, MAPVK_VK_TO_CHAR) & 0x7FFF) != 0 ? KeyRoute::Translate : KeyRoute::Used;
}

}  // namespace vantrel::win32
