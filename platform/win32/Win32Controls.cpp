#include "platform/win32/Win32Controls.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/toolkit/CheckBox.h"
#include "platform/toolkit/CheckListBox.h"
#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/DirectoryListBox.h"
#include "platform/toolkit/DriveComboBox.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Image.h"
#include "platform/toolkit/Label.h"
#include "platform/toolkit/Layout.h"
#include "platform/toolkit/Memo.h"
#include "platform/toolkit/PageControl.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/RadioButton.h"
#include "platform/toolkit/TabSheet.h"
#include "platform/toolkit/UpDown.h"
#include "platform/win32/Win32Fonts.h"

namespace vantrel::win32 {
namespace {

// The system class and styles of a control's native control; an empty
// class for a control without one.
struct NativeKind {
  const char* className = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
};

NativeKind KindOf(const TControl& control) {
  constexpr DWORD kBox = WS_EX_CLIENTEDGE;
  switch (control.Kind()) {
    case ControlKind::Button: return {WC_BUTTONA, BS_PUSHBUTTON};
    case ControlKind::RadioButton: return {WC_BUTTONA, BS_RADIOBUTTON};
    case ControlKind::CheckBox: return {WC_BUTTONA, BS_CHECKBOX};
    case ControlKind::Label: {
      const auto& label = static_cast<const TLabel&>(control);
      return {WC_STATICA, static_cast<DWORD>(label.WordWrap() ? SS_LEFT : SS_LEFTNOWORDWRAP)};
    }
    case ControlKind::Edit: {
      const auto& edit = static_cast<const TEdit&>(control);
      return {WC_EDITA, static_cast<DWORD>(ES_AUTOHSCROLL | (edit.ReadOnly() ? ES_READONLY : 0)), kBox};
    }
    case ControlKind::Memo: {
      const auto& memo = static_cast<const TMemo&>(control);
      DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | (memo.ReadOnly() ? ES_READONLY : 0);
      if (!memo.WordWrap()) style |= ES_AUTOHSCROLL;
      return {WC_EDITA, style, kBox};
    }
    case ControlKind::ComboBox:
      return {WC_COMBOBOXA, static_cast<DWORD>(WS_VSCROLL | (IsDropDown(control) ? CBS_DROPDOWN | CBS_AUTOHSCROLL
                                                                              : CBS_DROPDOWNLIST))};
    case ControlKind::DriveComboBox:
      return {WC_COMBOBOXA, WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS};
    case ControlKind::ListBox:
      return {WC_LISTBOXA, WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kBox};
    case ControlKind::DirectoryListBox:
    case ControlKind::CheckListBox:
      return {WC_LISTBOXA, WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, kBox};
    case ControlKind::PageControl:
      if (static_cast<const TPageControl&>(control).TabsShown()) return {WC_TABCONTROLA, 0};
      return {};
    case ControlKind::Panel: {
      const auto& panel = static_cast<const TPanel&>(control);
      if (panel.BevelOuter() == TPanel::Bevel::Raised) return {WC_STATICA, SS_ETCHEDFRAME};
      if (panel.BevelInner() == TPanel::Bevel::Lowered) return {WC_STATICA, 0, WS_EX_STATICEDGE};
      return {};
    }
    case ControlKind::Image: return {WC_STATICA, SS_OWNERDRAW};
    case ControlKind::UpDown: return {UPDOWN_CLASSA, 0};
    case ControlKind::TabSheet:
    case ControlKind::Form: return {};
  }
  return {};
}

std::string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), length + 1)));
  return text;
}

void SetText(HWND hwnd, const std::string& text) {
  if (WindowText(hwnd) != text) SetWindowTextA(hwnd, text.c_str());
}

// The items of a list or combo box, refilled only when they changed.
void SyncItems(Binding& b, const std::vector<std::string>& items, bool combo) {
  if (!b.copied.ItemsChanged(items)) return;
  SendMessageA(b.hwnd, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    SendMessageA(b.hwnd, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void SyncSelection(HWND hwnd, int index, bool combo) {
  const auto current = static_cast<int>(SendMessageA(hwnd, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
  if (current != index) SendMessageA(hwnd, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// The size of a caption in the control's font, its access-key marker
// taken out.
SIZE CaptionSize(HWND hwnd, const std::string& caption) {
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
  RECT text{0, 0, 0, 0};
  DrawTextA(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  return {text.right, text.bottom};
}

void Resize(HWND hwnd, int width, int height) {
  SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A label with automatic size takes the size of its text (at least its
// described height), as the label does on the classic desktop.
void SyncLabel(HWND hwnd, const TLabel& label) {
  SetText(hwnd, label.Caption());
  if (!label.AutoSize() || label.WordWrap()) return;
  const SIZE text = CaptionSize(hwnd, label.Caption());
  Resize(hwnd, text.cx + 2, std::max<int>(text.cy, PlaceOf(label).h));
}

// A radio button or check box whose caption is wider than its place grows
// to the right until the caption shows whole, as the other backend draws
// it; its place and height stay.
void SyncCheckCaption(HWND hwnd, const TControl& control) {
  SetText(hwnd, control.Caption());
  const Rect r = PlaceOf(control);
  const int needed = CaptionSize(hwnd, control.Caption()).cx + GetSystemMetrics(SM_CXMENUCHECK) + 6;
  Resize(hwnd, std::max(r.w, needed), r.h);
}

void SyncEdit(Binding& b, const TEdit& edit) {
  SetText(b.hwnd, edit.Text());
  const bool readOnly = (GetWindowLongA(b.hwnd, GWL_STYLE) & ES_READONLY) != 0;
  if (readOnly != edit.ReadOnly()) SendMessageA(b.hwnd, EM_SETREADONLY, edit.ReadOnly(), 0);
  if (b.copied.SelectionRequested(edit)) {
    const auto start = static_cast<WPARAM>(edit.SelStart());
    SendMessageA(b.hwnd, EM_SETSEL, start, static_cast<LPARAM>(start + edit.SelLength()));
  }
}

void SyncCombo(Binding& b, const TComboBox& combo) {
  SyncItems(b, combo.Items(), true);
  SyncSelection(b.hwnd, combo.ItemIndex(), true);
  if (combo.ComboStyle() != TComboBox::Style::DropDown) return;
  // A drop-down shows its text in its own edit, also one that no entry has.
  SetText(b.hwnd, combo.Text());
  // A read-only box's edit refuses every edit of the system's own: typing,
  // Backspace, Delete, cut, paste, clear and undo, by key or by its menu.
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!GetComboBoxInfo(b.hwnd, &info) || info.hwndItem == nullptr) return;
  const bool readOnly = (GetWindowLongA(info.hwndItem, GWL_STYLE) & ES_READONLY) != 0;
  if (readOnly != combo.ReadOnly()) SendMessageA(info.hwndItem, EM_SETREADONLY, combo.ReadOnly(), 0);
}

void SyncDrives(Binding& b, const TDriveComboBox& drives) {
  SyncItems(b, drives.Drives(), true);
  const auto at = std::find(drives.Drives().begin(), drives.Drives().end(), drives.Drive());
  SyncSelection(b.hwnd, at == drives.Drives().end() ? -1 : static_cast<int>(at - drives.Drives().begin()), true);
}

void SyncCheckList(Binding& b, const TCheckListBox& list) {
  SyncItems(b, list.Items(), false);
  if (b.copied.ChecksChanged(list)) InvalidateRect(b.hwnd, nullptr, TRUE);
  SyncSelection(b.hwnd, list.ItemIndex(), false);
}

void SyncTabs(Binding& b, const TPageControl& pages) {
  std::vector<std::string> tabs;
  int activeTab = -1;
  for (const TTabSheet* page : pages.Pages()) {
    if (!page->TabVisible()) continue;
    if (page == pages.ActivePage()) activeTab = static_cast<int>(tabs.size());
    tabs.push_back(page->Caption());
  }
  if (b.copied.ItemsChanged(tabs)) {
    SendMessageA(b.hwnd, TCM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < tabs.size(); ++i) {
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = tabs[i].data();
      SendMessageA(b.hwnd, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
  }
  if (SendMessageA(b.hwnd, TCM_GETCURSEL, 0, 0) != activeTab)
    SendMessageA(b.hwnd, TCM_SETCURSEL, static_cast<WPARAM>(activeTab), 0);
}

void SyncMemo(HWND hwnd, const TMemo& memo) {
  SetText(hwnd, memo.Text());
}

void SyncUpDown(HWND hwnd, const TUpDown& spin) {
  int min = 0, max = 0;
  SendMessageA(hwnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min), reinterpret_cast<LPARAM>(&max));
  if (min != spin.Min() || max != spin.Max()) SendMessageA(hwnd, UDM_SETRANGE32, spin.Min(), spin.Max());
  if (SendMessageA(hwnd, UDM_GETPOS32, 0, 0) != spin.Position()) SendMessageA(hwnd, UDM_SETPOS32, 0, spin.Position());
}

// Draws a control in the classic style, as the systems of the IDE's time
// and a host without a manifest show it, also where the system would apply
// a visual theme. The theme library is not on every system, so it is
// looked up rather than linked.
void UseClassicStyle(HWND hwnd) {
  using SetWindowThemeProc = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  static const auto setWindowTheme = [] {
    HMODULE themes = LoadLibraryA("uxtheme.dll");
    return themes != nullptr ? reinterpret_cast<SetWindowThemeProc>(
                                   reinterpret_cast<void*>(GetProcAddress(themes, "SetWindowTheme")))
                             : nullptr;
  }();
  if (setWindowTheme != nullptr) setWindowTheme(hwnd, L" ", L" ");
}

}  // namespace

HWND MakeControl(const TControl& control, HWND form, int id, Win32Fonts& fonts) {
  const NativeKind kind = KindOf(control);
  if (kind.className == nullptr) return nullptr;
  Rect r = PlaceOf(control);
  // A combo box is as high as its edit field; the window's height also
  // holds the list it drops down.
  const bool combo = control.Kind() == ControlKind::ComboBox || control.Kind() == ControlKind::DriveComboBox;
  const int height = combo ? r.h + 8 * kRowHeight : r.h;
  HWND hwnd = CreateWindowExA(kind.exStyle, kind.className, "", WS_CHILD | WS_CLIPSIBLINGS | kind.style, r.x, r.y,
                              r.w, height, form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
  if (hwnd == nullptr) return nullptr;
  UseClassicStyle(hwnd);
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(control.Font())), FALSE);
  // Rows of every list are as high as those drawn here; the edit field of
  // a combo box is its described height less its frame.
  if (combo) {
    SendMessageA(hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), r.h - 6);
    SendMessageA(hwnd, CB_SETITEMHEIGHT, 0, kRowHeight);
  } else if (control.Kind() == ControlKind::ListBox) {
    SendMessageA(hwnd, LB_SETITEMHEIGHT, 0, kRowHeight);
  }
  return hwnd;
}

bool EditsText(const TControl& control) {
  return control.Kind() == ControlKind::Edit || IsDropDown(control);
}

int PageOfTab(const TControl& pageControl, int tab) {
  const auto* pages = dynamic_cast<const TPageControl*>(&pageControl);
  if (pages == nullptr) return -1;
  int seen = 0;
  const std::vector<TTabSheet*> all = pages->Pages();
  for (std::size_t i = 0; i < all.size(); ++i)
    if (all[i]->TabVisible() && seen++ == tab) return static_cast<int>(i);
  return -1;
}

void SyncControl(Binding& b) {
  const TControl& c = *b.control;
  HWND hwnd = b.hwnd;
  // A control that holds the mouse is in the middle of a user's gesture (a
  // list selects the row under the button and reports it on release): it
  // is left alone until the gesture ends.
  if (GetCapture() == hwnd) return;
  const bool enabled = c.EnabledInTree();
  if ((IsWindowEnabled(hwnd) != FALSE) != enabled) EnableWindow(hwnd, enabled);
  const bool visible = c.Showing();
  if (((GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0) != visible)
    ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
  switch (c.Kind()) {
    case ControlKind::Button: SetText(hwnd, c.Caption()); break;
    case ControlKind::RadioButton:
    case ControlKind::CheckBox: {
      SyncCheckCaption(hwnd, c);
      const bool checked = c.Kind() == ControlKind::RadioButton ? static_cast<const TRadioButton&>(c).Checked()
                                                                : static_cast<const TCheckBox&>(c).Checked();
      if ((SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) != checked)
        SendMessageA(hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    }
    case ControlKind::Label: SyncLabel(hwnd, static_cast<const TLabel&>(c)); break;
    case ControlKind::Edit: SyncEdit(b, static_cast<const TEdit&>(c)); break;
    case ControlKind::Memo: SyncMemo(hwnd, static_cast<const TMemo&>(c)); break;
    case ControlKind::ComboBox: SyncCombo(b, static_cast<const TComboBox&>(c)); break;
    case ControlKind::DriveComboBox: SyncDrives(b, static_cast<const TDriveComboBox&>(c)); break;
    case ControlKind::ListBox:
    case ControlKind::DirectoryListBox: {
      const auto& list = static_cast<const TListBox&>(c);
      SyncItems(b, list.Items(), false);
      SyncSelection(hwnd, list.ItemIndex(), false);
      break;
    }
    case ControlKind::CheckListBox: SyncCheckList(b, static_cast<const TCheckListBox&>(c)); break;
    case ControlKind::PageControl: SyncTabs(b, static_cast<const TPageControl&>(c)); break;
    case ControlKind::Image:
      if (b.copied.PictureChanged(static_cast<const TImage&>(c))) InvalidateRect(hwnd, nullptr, FALSE);
      break;
    case ControlKind::UpDown: SyncUpDown(hwnd, static_cast<const TUpDown&>(c)); break;
    case ControlKind::Panel:
    case ControlKind::TabSheet:
    case ControlKind::Form: break;
  }
}

}  // namespace vantrel::win32
