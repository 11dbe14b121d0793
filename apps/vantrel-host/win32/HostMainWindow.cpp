#include "apps/vantrel-host/win32/HostMainWindow.h"

#include "apps/vantrel-host/ProjectListing.h"
#include "apps/vantrel-host/win32/HostWindowing.h"

namespace vantrel::hostapp {
namespace {

enum Command : int { kNew = 1, kExit = 2, kProject = 10, kFiles = 11, kRecord = 12 };

HMENU MainMenu() {
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kNew, "&New...\tCtrl+N");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, kExit, "E&xit");
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  return bar;
}

}  // namespace

HostMainWindow::HostMainWindow(std::function<void()> onNew) : onNew_(std::move(onNew)) {
  window_ = CreateHostWindow("Vantrel host - stand-in IDE", WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX, 720, 520,
                             nullptr, MainMenu(), Proc, this);
  CreateControl(window_, "BUTTON", "&New...", WS_TABSTOP | BS_PUSHBUTTON, 8, 8, 100, 28, kNew);
  project_ = CreateControl(window_, "STATIC", "No project open", SS_LEFT | SS_CENTERIMAGE | SS_SUNKEN, 116, 8, 596,
                           28, kProject);
  CreateControl(window_, "STATIC", "Project files", SS_LEFT, 8, 44, 704, 16, 0);
  files_ = CreateControl(window_, "LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 8, 62, 704, 260,
                         kFiles, WS_EX_CLIENTEDGE);
  CreateControl(window_, "STATIC", "Requests from experts", SS_LEFT, 8, 330, 704, 16, 0);
  record_ = CreateControl(window_, "LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 8, 348, 704,
                          164, kRecord, WS_EX_CLIENTEDGE);
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
}

void HostMainWindow::ShowProject(const std::string* makefilePath) {
  SendMessageA(files_, LB_RESETCONTENT, 0, 0);
  if (makefilePath == nullptr) {
    SetWindowTextA(project_, "No project open");
    return;
  }
  SetWindowTextA(project_, ("Project: " + *makefilePath).c_str());
  for (const auto& file : ProjectFiles(*makefilePath))
    SendMessageA(files_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(file.c_str()));
}

void HostMainWindow::AddRecord(const std::string& entry) {
  const LRESULT index = SendMessageA(record_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  SendMessageA(record_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

void HostMainWindow::OpenGalleryLater() const { PostMessageA(window_, WM_COMMAND, kNew, 0); }

int HostMainWindow::Run() {
  ACCEL newKey{FVIRTKEY | FCONTROL, 'N', kNew};
  HACCEL keys = CreateAcceleratorTableA(&newKey, 1);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorA(window_, keys, &message)) continue;
    if (IsDialogMessageA(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  DestroyAcceleratorTable(keys);
  return static_cast<int>(message.wParam);
}

LRESULT HostMainWindow::Proc(void* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto& host = *static_cast<HostMainWindow*>(self);
  switch (message) {
    case WM_COMMAND:
      // While a modal window runs over this one, it takes no commands: the
      // accelerator would otherwise reach it.
      if (LOWORD(wParam) == kNew && IsWindowEnabled(window)) host.onNew_();
      if (LOWORD(wParam) == kExit) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace vantrel::hostapp
