#include "platform/fltk/FormWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/fl_draw.H>

// X11 defines None as a macro, which the toolkit's enumerations also use.
#undef None

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "platform/fltk/FltkFonts.h"
#include "platform/fltk/Layout.h"
#include "platform/toolkit/CheckListBox.h"
#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/DriveComboBox.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/ListBox.h"
#include "platform/toolkit/PageControl.h"
#include "platform/toolkit/UserInput.h"

namespace vantrel::fltk {
namespace {

bool IsList(const TControl& c) {
  return c.Kind() == ControlKind::ListBox || c.Kind() == ControlKind::CheckListBox ||
         c.Kind() == ControlKind::DirectoryListBox;
}

}  // namespace

FormWindow::FormWindow(TForm& form)
    : Fl_Double_Window(std::max(1, form.ClientWidth()), std::max(1, form.ClientHeight())), form_(form) {
  end();
  Sync();
  color(static_cast<Fl_Color>(kButtonFace));
  callback([](Fl_Widget* w, void*) { user::CloseWindow(static_cast<FormWindow*>(w)->Form()); });
}

void FormWindow::Sync() {
  copy_label(form_.Caption().c_str());
  if (form_.ClientWidth() != w() || form_.ClientHeight() != h()) size(form_.ClientWidth(), form_.ClientHeight());
  redraw();
}

void FormWindow::Forget(const TControl& control) {
  view_.topItem.erase(&control);
  lastIndex_.erase(&control);
  if (view_.pressed == &control) view_.pressed = nullptr;
}

void FormWindow::ScrollIntoView() {
  // Keeps a list's selected item in view when the selection has moved.
  std::vector<const TWinControl*> pending{&form_};
  while (!pending.empty()) {
    const TWinControl* parent = pending.back();
    pending.pop_back();
    for (const TControl* child : parent->Controls()) {
      if (const auto* inner = dynamic_cast<const TWinControl*>(child)) pending.push_back(inner);
      const auto* list = dynamic_cast<const TListBox*>(child);
      if (list == nullptr) continue;
      const int index = list->ItemIndex();
      int& last = lastIndex_.try_emplace(list, -1).first->second;
      int& top = view_.topItem[list];
      const int visible = std::max(1, VisibleItems(*list));
      const int count = static_cast<int>(list->Items().size());
      if (index != last && index >= 0) {
        if (index < top) top = index;
        if (index >= top + visible) top = index - visible + 1;
      }
      last = index;
      top = std::clamp(top, 0, std::max(0, count - visible));
    }
  }
}

void FormWindow::draw() {
  ScrollIntoView();
  fl_color(static_cast<Fl_Color>(kButtonFace));
  fl_rectf(0, 0, w(), h());
  PaintChildren(form_, view_);
}

int FormWindow::handle(int event) {
  switch (event) {
    case FL_FOCUS:
    case FL_UNFOCUS:
      return 1;
    case FL_PUSH:
      return HandlePush();
    case FL_RELEASE:
      return HandleRelease();
    case FL_DRAG:
      return 1;
    case FL_KEYBOARD:
      return HandleKey();
    case FL_MOUSEWHEEL:
      return HandleWheel();
    default:
      return Fl_Double_Window::handle(event);
  }
}

int FormWindow::HandlePush() {
  const int x = Fl::event_x(), y = Fl::event_y();
  TControl* target = ControlAt(form_, x, y);
  if (target == nullptr || target == &form_) return 1;
  const Rect r = PlaceOf(*target);
  const bool twice = Fl::event_clicks() > 0;
  switch (target->Kind()) {
    case ControlKind::Button:
      // A button acts when the mouse is let go over it.
      if (target->CanAct()) view_.pressed = target;
      break;
    case ControlKind::PageControl:
      for (const Tab& tab : TabsOf(static_cast<TPageControl&>(*target)))
        if (tab.rect.Contains(x, y)) user::SelectTab(*target, tab.page);
      break;
    case ControlKind::ListBox:
    case ControlKind::CheckListBox:
    case ControlKind::DirectoryListBox: {
      const int top = view_.topItem[target];
      const int index = top + (y - r.y - 2) / ItemHeight(*target);
      if (target->Kind() == ControlKind::CheckListBox && x < r.x + 18)
        user::ToggleItem(*target, index);
      else if (twice)
        user::DoubleClickItem(*target, index);
      else
        user::ClickItem(*target, index);
      break;
    }
    case ControlKind::ComboBox:
    case ControlKind::DriveComboBox:
      if (user::Click(*target)) PopUpList(*target);
      break;
    case ControlKind::UpDown:
      user::Spin(*target, y < r.y + r.h / 2 ? 1 : -1);
      break;
    case ControlKind::Edit:
      if (twice)
        user::SelectText(*target);
      else
        user::Click(*target);
      break;
    case ControlKind::Label:
    case ControlKind::Image:
    case ControlKind::Panel:
    case ControlKind::TabSheet:
    case ControlKind::Form:
      break;
    default:
      user::Click(*target);
      break;
  }
  redraw();
  return 1;
}

int FormWindow::HandleRelease() {
  const TControl* pressed = view_.pressed;
  view_.pressed = nullptr;
  redraw();
  if (pressed == nullptr) return 1;
  if (ControlAt(form_, Fl::event_x(), Fl::event_y()) == pressed) user::Click(const_cast<TControl&>(*pressed));
  return 1;
}

void FormWindow::PopUpList(TControl& combo) {
  std::vector<std::string> entries;
  if (auto* box = dynamic_cast<TComboBox*>(&combo)) entries = box->Items();
  if (auto* drives = dynamic_cast<TDriveComboBox*>(&combo)) entries = drives->Drives();
  if (entries.empty()) return;
  std::vector<Fl_Menu_Item> menu(entries.size() + 1);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    menu[i] = {};
    menu[i].text = entries[i].c_str();
    menu[i].labelfont_ = FaceOf(combo.Font());
    menu[i].labelsize_ = combo.Font().Height;
  }
  menu.back() = {};
  const Rect r = PlaceOf(combo);
  const Fl_Menu_Item* chosen = menu.front().popup(r.x, r.y + r.h);
  if (chosen != nullptr) user::PickItem(combo, static_cast<int>(chosen - menu.data()));
}

int FormWindow::HandleKey() {
  const int key = Fl::event_key();
  const bool shift = Fl::event_state(FL_SHIFT) != 0;
  if (Fl::event_state(FL_ALT) != 0) {
    // Any printable key may be an access key: "&..." makes it the period.
    if (key < 128 && std::isgraph(key)) user::AltKey(form_, static_cast<char>(std::tolower(key)));
  } else {
    switch (key) {
      case FL_Tab: user::PressKey(form_, shift ? Key::ShiftTab : Key::Tab); break;
      case FL_Enter:
      case FL_KP_Enter: user::PressKey(form_, Key::Enter); break;
      case FL_Escape: user::PressKey(form_, Key::Escape); break;
      case FL_BackSpace: user::PressKey(form_, Key::Backspace); break;
      case ' ': user::PressKey(form_, Key::Space); break;
      case FL_Up: user::PressKey(form_, Key::Up); break;
      case FL_Down: user::PressKey(form_, Key::Down); break;
      case FL_Home: user::PressKey(form_, Key::Home); break;
      case FL_End: user::PressKey(form_, Key::End); break;
      default:
        for (int i = 0; i < Fl::event_length(); ++i) {
          const char c = Fl::event_text()[i];
          if (static_cast<unsigned char>(c) >= 32) user::TypeChar(form_, c);
        }
    }
  }
  redraw();
  return 1;
}

int FormWindow::HandleWheel() {
  TControl* target = ControlAt(form_, Fl::event_x(), Fl::event_y());
  if (target == nullptr || !IsList(*target)) return 0;
  const auto& list = static_cast<const TListBox&>(*target);
  const int count = static_cast<int>(list.Items().size());
  int& top = view_.topItem[target];
  top = std::clamp(top + Fl::event_dy() * 3, 0, std::max(0, count - VisibleItems(*target)));
  redraw();
  return 1;
}

}  // namespace vantrel::fltk
