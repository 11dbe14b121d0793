// The Win32 backend with the system's own controls, under Wine: what a
// user does to a native control reaches the toolkit as a user action, what
// the program changes reaches the control without being taken for a user's
// action, keys reach the toolkit first, a modal form disables its owner,
// and an error in a handler reaches the error box, owned by the form.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/fs/MemoryFileSystem.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/Button.h"
#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/FormDescription.h"
#include "platform/toolkit/Layout.h"
#include "platform/toolkit/ListBox.h"
#include "platform/toolkit/PressGuard.h"
#include "platform/toolkit/UpDown.h"
#include "platform/win32/Win32Backend.h"

namespace vantrel::test {
namespace {

class Sample : public TForm {
 public:
  explicit Sample(TComponent* owner) : TForm(owner, "Sample") {
    using K = ControlKind;
    BuildForm(*this, FormLayout{
        .caption = "Sample", .clientWidth = 300, .clientHeight = 200, .font = TFont{},
        .controls = {
            {.name = "Name", .kind = K::Edit, .place = {8, 8, 120, 24}, .tabOrder = 0},
            {.name = "Choice", .kind = K::ComboBox, .place = {8, 40, 120, 24}, .flags = ControlRow::kDropDownList,
             .tabOrder = 1, .items = {"A", "B", "C"}},
            {.name = "List", .kind = K::ListBox, .place = {8, 72, 120, 60}, .tabOrder = 2, .items = {"x", "y"}},
            {.name = "Count", .kind = K::Edit, .caption = "4", .place = {140, 8, 40, 24}, .tabOrder = 3},
            {.name = "Spin", .kind = K::UpDown, .place = {180, 8, 15, 24}, .tabOrder = 4, .link = "Count",
             .range = ControlRow::Range{0, 10, 4, false}},
            {.name = "Boom", .kind = K::Button, .caption = "Boom", .place = {140, 40, 80, 28}, .tabOrder = 5},
        }});
  }
};

// Runs one step at each tick of a thread timer, inside whatever message
// loop runs then: the form's modal loop, or a message box's.
std::vector<std::function<void()>>* steps = nullptr;
void CALLBACK NextStep(HWND, UINT, UINT_PTR timer, DWORD) {
  if (steps == nullptr || steps->empty()) {
    KillTimer(nullptr, timer);
    return;
  }
  auto step = std::move(steps->front());
  steps->erase(steps->begin());
  step();
}

struct Win32Backend : ::testing::Test {
  MemoryFileSystem files;
  win32::Win32Backend backend;
  TApplication app{backend, files};
  HWND host = CreateWindowExA(0, WC_STATICA, "host", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  Sample* form = new Sample(&app);  // Owned by the application.
  std::vector<std::function<void()>> script;

  void SetUp() override {
    // The steps act as a user who waited for the form after it opened: at
    // each reading the clock has moved on by a second, beyond the time in
    // which a form that has just opened ignores the mouse.
    PressGuard::SetClock([at = std::chrono::milliseconds{0}]() mutable { return at += std::chrono::seconds{1}; });
    if (host == nullptr) GTEST_SKIP() << "no windows can be made here";
    app.SetHandle(reinterpret_cast<std::uintptr_t>(host));
  }
  void TearDown() override {
    PressGuard::SetClock({});
    if (host != nullptr) DestroyWindow(host);
  }

  template <class T>
  T& Get(const char* name) { return *form->Find<T>(name); }
  HWND Window() const { return FindWindowA("VantrelForm", "Sample"); }
  // The native control at a control's place in the form's window.
  HWND Native(const char* name) const {
    const Rect place = PlaceOf(*form->FindControl(name));
    for (HWND child = GetWindow(Window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT r;
      GetWindowRect(child, &r);
      POINT at{r.left, r.top};
      ScreenToClient(Window(), &at);
      if (at.x == place.x && at.y == place.y) return child;
    }
    return nullptr;
  }
  // What a native control reports to its form.
  void Report(const char* name, int code) {
    HWND control = Native(name);
    SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
  }
  // Shows the form modally and runs the script's steps inside its loop,
  // one per message loop turn; then the form is closed.
  TModalResult Run() {
    script.push_back([this] { form->Close(); });
    steps = &script;
    SetTimer(nullptr, 0, 10, NextStep);
    const TModalResult result = form->ShowModal();
    steps = nullptr;
    return result;
  }
};

std::string Text(HWND hwnd) {
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

TEST_F(Win32Backend, UserChangesAreActionsAndTheProgramsAreNot) {
  int edits = 0, picks = 0, clicks = 0;
  Get<TEdit>("Name").OnChange = [&](TControl*) { ++edits; };
  Get<TComboBox>("Choice").OnChange = [&](TControl*) { ++picks; };
  Get<TListBox>("List").OnClick = [&](TControl*) { ++clicks; };
  script = {
      // A user's typing, as the edit reports it.
      [&] { SetWindowTextA(Native("Name"), "Demo"); },
      [&] {
        EXPECT_EQ(Get<TEdit>("Name").Text(), "Demo");
        EXPECT_EQ(edits, 1);
        // The program's changes reach the controls and run no user's
        // handler: an edit's own change event runs once.
        Get<TEdit>("Name").SetText("Other");
        Get<TEdit>("Name").SelectAll();
        Get<TComboBox>("Choice").SetItemIndex(1);
        Get<TListBox>("List").SetItemIndex(0);
      },
      [&] {
        EXPECT_EQ(Text(Native("Name")), "Other");
        // The edit's report of the new text is not a user's editing, which
        // would leave the caret at the end instead of the selection.
        EXPECT_EQ(Get<TEdit>("Name").SelLength(), 5u);
        DWORD start = 0, end = 0;
        SendMessageA(Native("Name"), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(end - start, 5u);
        EXPECT_EQ(SendMessageA(Native("Choice"), CB_GETCURSEL, 0, 0), 1);
        EXPECT_EQ(SendMessageA(Native("List"), LB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(edits, 2);
        EXPECT_EQ(picks, 0);
        EXPECT_EQ(clicks, 0);
        // A user's pick and click, as the controls report them.
        SendMessageA(Native("Choice"), CB_SETCURSEL, 2, 0);
        Report("Choice", CBN_SELCHANGE);
        SendMessageA(Native("List"), LB_SETCURSEL, 1, 0);
        Report("List", LBN_SELCHANGE);
      },
      [&] {
        EXPECT_EQ(Get<TComboBox>("Choice").Text(), "C");
        EXPECT_EQ(picks, 1);
        EXPECT_EQ(Get<TListBox>("List").ItemIndex(), 1);
        EXPECT_EQ(clicks, 1);
      },
  };
  EXPECT_EQ(Run(), mrCancel);
}

TEST_F(Win32Backend, TheSpinButtonsStepThroughTheToolkit) {
  script = {[&] {
    NMUPDOWN change{};
    change.hdr.hwndFrom = Native("Spin");
    change.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(change.hdr.hwndFrom));
    change.hdr.code = UDN_DELTAPOS;
    change.iPos = 4;
    change.iDelta = 1;
    // The control itself does not move: the toolkit does.
    EXPECT_EQ(SendMessageA(Window(), WM_NOTIFY, change.hdr.idFrom, reinterpret_cast<LPARAM>(&change)), TRUE);
    EXPECT_EQ(Get<TUpDown>("Spin").Position(), 5);
    EXPECT_EQ(Get<TEdit>("Count").Text(), "5");
  }};
  Run();
}

TEST_F(Win32Backend, KeysReachTheToolkitFirst) {
  std::string pressed;
  Get<TEdit>("Name").OnKeyPress = [&](TControl*, char& key) {
    pressed += key;
    if (key == 'x') key = 0;
  };
  auto post = [&](UINT message, WPARAM key) { PostMessageA(GetFocus(), message, key, 0); };
  script = {
      [&] { EXPECT_EQ(GetFocus(), Native("Name")); },
      [&] { post(WM_CHAR, 'x'); },
      [&] { post(WM_CHAR, 'a'); },
      [&] { post(WM_KEYDOWN, VK_RETURN); },
      [&] {
        // The handler saw every character, Enter included; what it
        // discarded never reached the edit.
        EXPECT_EQ(pressed, "xa\r");
        EXPECT_EQ(Get<TEdit>("Name").Text(), "a");
        // Tab moves the focus in the toolkit's tab order.
        post(WM_KEYDOWN, VK_TAB);
      },
      [&] { EXPECT_EQ(form->ActiveControl(), &Get<TComboBox>("Choice")); },
      [&] { EXPECT_EQ(GetFocus(), Native("Choice")); },
  };
  Run();
}

TEST_F(Win32Backend, AModalFormDisablesTheHostWindowBeneathIt) {
  script = {[&] {
    EXPECT_EQ(GetWindow(Window(), GW_OWNER), host);
    EXPECT_FALSE(IsWindowEnabled(host));
  }};
  Run();
  EXPECT_TRUE(IsWindowEnabled(host));
}

TEST_F(Win32Backend, AnErrorInAHandlerReachesTheErrorBoxOwnedByTheForm) {
  Get<TButton>("Boom").OnClick = [](TControl*) { throw std::runtime_error("Boom went the button"); };
  HWND owner = nullptr;
  std::string message;
  script = {
      [&] { Report("Boom", BN_CLICKED); },
      // This step runs in the message box's own loop.
      [&] {
        HWND box = FindWindowA("#32770", "Vantrel");
        ASSERT_NE(box, nullptr);
        owner = GetWindow(box, GW_OWNER);
        char text[256] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        message = text;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      },
  };
  Run();
  EXPECT_EQ(owner, Window());
  EXPECT_EQ(message, "Boom went the button");
}

}  // namespace
}  // namespace vantrel::test
