// The Win32 backend through the shared backend cases, with native
// notifications and messages, under Wine.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "platform/toolkit/Form.h"
#include "platform/toolkit/Layout.h"
#include "platform/win32/Win32Backend.h"
#include "tests/BackendCases.h"

namespace vantrel::test {
namespace {

// The calls at each turn of the message loop, made by a thread timer.
std::function<bool()> everyTurn;
void CALLBACK Turn(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!everyTurn || !everyTurn()) KillTimer(nullptr, timer);
}

class Win32Windows : public NativeWindows {
 public:
  ~Win32Windows() override {
    if (host_ != nullptr) DestroyWindow(host_);
  }
  bool Ready() const { return host_ != nullptr; }

  Backend& WindowBackend() override { return backend_; }
  std::uintptr_t HostWindow() override { return reinterpret_cast<std::uintptr_t>(host_); }
  void EveryTurn(std::function<bool()> turn) override {
    everyTurn = std::move(turn);
    if (everyTurn)
      timer_ = SetTimer(nullptr, 0, 10, Turn);
    else
      KillTimer(nullptr, timer_);
  }

  void Edit(const TControl& edit, const std::string& text) override { SetWindowTextA(Native(edit), text.c_str()); }
  void Choose(const TControl& list, int index) override {
    const bool combo = list.Kind() == ControlKind::ComboBox;
    SendMessageA(Native(list), combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Report(list, combo ? CBN_SELCHANGE : LBN_SELCHANGE);
  }
  void Click(const TControl& button) override { Report(button, BN_CLICKED); }
  void SpinUp(const TControl& spin) override {
    NMUPDOWN change{};
    change.hdr.hwndFrom = Native(spin);
    change.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(change.hdr.hwndFrom));
    change.hdr.code = UDN_DELTAPOS;
    change.iPos = 4;
    change.iDelta = 1;
    // The control itself does not move: the toolkit does.
    EXPECT_EQ(SendMessageA(FormWindow(*spin.Form()), WM_NOTIFY, change.hdr.idFrom, reinterpret_cast<LPARAM>(&change)),
              TRUE);
  }
  void Key(char key) override {
    if (key == '\r' || key == '\t')
      PostMessageA(GetFocus(), WM_KEYDOWN, key == '\r' ? VK_RETURN : VK_TAB, 0);
    else
      PostMessageA(GetFocus(), WM_CHAR, static_cast<WPARAM>(key), 0);
  }

  std::string Text(const TControl& edit) override { return WindowText(Native(edit)); }
  std::size_t SelectionLength(const TControl& edit) override {
    DWORD start = 0, end = 0;
    SendMessageA(Native(edit), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return end - start;
  }
  int Row(const TControl& list) override {
    const bool combo = list.Kind() == ControlKind::ComboBox;
    return static_cast<int>(SendMessageA(Native(list), combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
  }
  bool HasFocus(const TControl& control) override { return GetFocus() == Native(control); }

  bool HostTakesInput() override { return IsWindowEnabled(host_) != FALSE; }
  bool AboveHost(const TForm& form) override { return GetWindow(FormWindow(form), GW_OWNER) == host_; }
  Box AnswerBox(const TForm& form) override {
    HWND box = FindWindowA("#32770", "Vantrel");
    if (box == nullptr) return {};
    char text[256] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return {text, GetWindow(box, GW_OWNER) == FormWindow(form)};
  }

 private:
  static std::string WindowText(HWND hwnd) {
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
  }
  static HWND FormWindow(const TForm& form) { return FindWindowA("VantrelForm", form.Caption().c_str()); }
  // The native control at a control's place in its form's window.
  static HWND Native(const TControl& control) {
    HWND window = FormWindow(*control.Form());
    const Rect place = PlaceOf(control);
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT r;
      GetWindowRect(child, &r);
      POINT at{r.left, r.top};
      ScreenToClient(window, &at);
      if (at.x == place.x && at.y == place.y) return child;
    }
    return nullptr;
  }
  // What a native control reports to its form.
  static void Report(const TControl& control, int code) {
    HWND hwnd = Native(control);
    SendMessageA(FormWindow(*control.Form()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code),
                 reinterpret_cast<LPARAM>(hwnd));
  }

  win32::Win32Backend backend_;
  UINT_PTR timer_ = 0;
  HWND host_ = CreateWindowExA(0, WC_STATICA, "host", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
};

struct Win32Backend : ::testing::Test {
  Win32Windows native;
  void SetUp() override {
    if (!native.Ready()) GTEST_SKIP() << "no windows can be made here";
  }
};

TEST_F(Win32Backend, UserChangesAreActionsAndTheProgramsAreNot) { ExpectUserChangesAreActionsAndTheProgramsAreNot(native); }
TEST_F(Win32Backend, KeysReachTheToolkitFirst) { ExpectKeysReachTheToolkitFirst(native); }
TEST_F(Win32Backend, AModalFormDisablesTheHostWindowAndItsErrorBoxIsOwnedByIt) { ExpectModalFormAndItsErrorBoxStayAbove(native); }

}  // namespace
}  // namespace vantrel::test
