#include "platform/fltk/FltkFormWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Input_Choice.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Tabs.H>

// X11 defines None as a macro, which the toolkit's enumerations also use.
#undef None

#include <algorithm>
#include <cctype>

#include "platform/fltk/FltkColours.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/UpDown.h"
#include "platform/toolkit/UserInput.h"

namespace vantrel::fltk {

FltkFormWindow::FltkFormWindow(TForm& form)
    : Fl_Double_Window(std::max(1, form.ClientWidth()), std::max(1, form.ClientHeight())), form_(form) {
  end();
  color(kButtonFace);
  Build(form_, *this);
  callback([](Fl_Widget* w, void*) { user::CloseWindow(static_cast<FltkFormWindow*>(w)->Form()); });
}

FltkFormWindow::~FltkFormWindow() = default;

void FltkFormWindow::Build(TWinControl& parent, Fl_Group& group) {
  for (TControl* child : parent.Controls()) {
    Fl_Widget* widget = MakeControl(*child);
    if (widget == nullptr) continue;
    group.add(widget);
    widget->callback(OnWidget, this);
    auto binding = std::make_unique<Binding>();
    binding->control = child;
    binding->widget = widget;
    byWidget_[widget] = binding.get();
    bindings_[child] = std::move(binding);
    if (auto* input = dynamic_cast<Fl_Input*>(widget)) input->when(FL_WHEN_CHANGED);
    if (auto* combo = dynamic_cast<Fl_Input_Choice*>(widget)) {
      // The inner widgets report to the combo box's binding.
      combo->input()->when(FL_WHEN_CHANGED);
      combo->input()->callback(OnWidget, this);
      combo->menubutton()->callback(OnWidget, this);
    }
    if (auto* inner = dynamic_cast<TWinControl*>(child))
      if (Fl_Group* childGroup = widget->as_group(); childGroup != nullptr && !inner->Controls().empty())
        Build(*inner, *childGroup);
  }
}

Binding* FltkFormWindow::BindingOf(const Fl_Widget* widget) const {
  // A widget inside a compound widget (a combo box's edit) belongs to the
  // compound's binding.
  for (; widget != nullptr; widget = widget->parent())
    if (auto found = byWidget_.find(widget); found != byWidget_.end()) return found->second;
  return nullptr;
}

Binding* FltkFormWindow::BindingOf(const TControl* control) const {
  auto found = bindings_.find(control);
  return found == bindings_.end() ? nullptr : found->second.get();
}

void FltkFormWindow::Forget(const TControl& control) {
  auto found = bindings_.find(&control);
  if (found == bindings_.end()) return;
  byWidget_.erase(found->second->widget);
  found->second->widget->hide();
  bindings_.erase(found);
}

void FltkFormWindow::Sync(bool takeFocus) {
  if (changed_) {
    copy_label(form_.Caption().c_str());
    if (form_.ClientWidth() != w() || form_.ClientHeight() != h()) size(form_.ClientWidth(), form_.ClientHeight());
    for (auto& [control, binding] : bindings_) SyncControl(*binding);
    changed_ = false;
  }
  if (!takeFocus) return;
  const Binding* focused = BindingOf(form_.ActiveControl());
  if (focused == nullptr) return;
  const Fl_Widget* current = Fl::focus();
  while (current != nullptr && current != focused->widget) current = current->parent();
  if (current == nullptr) focused->widget->take_focus();
}

void FltkFormWindow::OnWidget(Fl_Widget* widget, void* window) {
  auto* self = static_cast<FltkFormWindow*>(window);
  self->WidgetAction(*widget);
  // The toolkit decides: whatever the widget did on its own (a radio button
  // cleared, a refused tab shown) is put back as the toolkit has it.
  self->MarkChanged();
}

void FltkFormWindow::WidgetAction(Fl_Widget& widget) {
  Binding* binding = BindingOf(&widget);
  if (binding == nullptr) return;
  TControl& control = *binding->control;
  switch (control.Kind()) {
    case ControlKind::Edit:
      user::EditText(control, static_cast<Fl_Input&>(widget).value());
      break;
    case ControlKind::ComboBox:
      if (auto* combo = dynamic_cast<Fl_Input_Choice*>(binding->widget)) {
        if (&widget == combo->menubutton())
          user::PickItem(control, combo->menubutton()->value());
        else if (&widget == combo->input())
          user::EditText(control, combo->input()->value());
      } else {
        user::PickItem(control, static_cast<Fl_Choice&>(widget).value());
      }
      break;
    case ControlKind::DriveComboBox: user::PickItem(control, static_cast<Fl_Choice&>(widget).value()); break;
    case ControlKind::ListBox:
    case ControlKind::DirectoryListBox: {
      // The browser reports every press (see MakeControl); FLTK reports the
      // second click of a double click when the button is released.
      const int index = static_cast<Fl_Browser&>(widget).value() - 1;
      if ((Fl::event() == FL_PUSH || Fl::event() == FL_RELEASE) && Fl::event_clicks() > 0)
        user::DoubleClickItem(control, index);
      else
        user::ClickItem(control, index);
      break;
    }
    case ControlKind::CheckListBox:
      user::ToggleItem(control, static_cast<Fl_Check_Browser&>(widget).value() - 1);
      break;
    case ControlKind::PageControl:
      if (auto* tabs = dynamic_cast<Fl_Tabs*>(&widget)) user::SelectTab(control, tabs->find(tabs->value()));
      break;
    case ControlKind::UpDown: {
      const int position = static_cast<const TUpDown&>(control).Position();
      const double value = static_cast<Fl_Spinner&>(widget).value();
      if (value != position) user::Spin(control, value > position ? 1 : -1);
      break;
    }
    default: user::Click(control); break;
  }
}

void FltkFormWindow::FocusFollowed() {
  const Binding* binding = BindingOf(Fl::focus());
  if (binding != nullptr && binding->control != form_.ActiveControl()) user::Focus(*binding->control);
  MarkChanged();
}

bool FltkFormWindow::DropDownPressed() {
  for (auto& [control, binding] : bindings_) {
    auto* combo = dynamic_cast<Fl_Input_Choice*>(binding->widget);
    if (combo == nullptr || !combo->active_r() || !combo->visible_r()) continue;
    Fl_Menu_Button* button = combo->menubutton();
    if (!Fl::event_inside(button) || button->menu() == nullptr || button->menu()->text == nullptr) continue;
    const Fl_Menu_Item* items = button->menu();
    const Fl_Menu_Item* picked = items->pulldown(combo->x(), combo->y(), combo->w(), combo->h(), button->mvalue(), button);
    if (picked != nullptr) user::PickItem(*binding->control, static_cast<int>(picked - items));
    MarkChanged();
    return true;
  }
  return false;
}

void FltkFormWindow::PassToWidget() const {
  if (Fl_Widget* focused = Fl::focus(); focused != nullptr && BindingOf(focused) != nullptr)
    focused->handle(FL_KEYBOARD);
}

int FltkFormWindow::RouteKey() {
  MarkChanged();
  const int key = Fl::event_key();
  const Binding* focused = BindingOf(form_.ActiveControl());
  const bool edits = focused != nullptr && EditsText(*focused->control);
  if (Fl::event_state(FL_ALT) != 0) {
    // Any printable key may be an access key: "&..." makes it the period.
    if (key < 128 && std::isgraph(key)) user::AltKey(form_, static_cast<char>(std::tolower(key)));
    return 1;
  }
  switch (key) {
    case FL_Tab: user::PressKey(form_, Fl::event_state(FL_SHIFT) ? Key::ShiftTab : Key::Tab); return 1;
    case FL_Enter:
    case FL_KP_Enter: user::PressKey(form_, Key::Enter); return 1;
    case FL_Escape: user::PressKey(form_, Key::Escape); return 1;
    case FL_Up:
    case FL_Down:
    case FL_Home:
    case FL_End: {
      const Key k = key == FL_Up ? Key::Up : key == FL_Down ? Key::Down : key == FL_Home ? Key::Home : Key::End;
      if (!user::PressKey(form_, k) && edits) PassToWidget();
      return 1;
    }
    case FL_BackSpace:
      if (!edits) {
        user::PressKey(form_, Key::Backspace);
      } else if (char typed = kCharBackspace; user::FilterChar(form_, typed)) {
        PassToWidget();
      }
      return 1;
    default: break;
  }
  // Keys that type nothing (arrows, Delete, the clipboard's Ctrl keys) are
  // the widget's own.
  const char* text = Fl::event_text();
  const bool typesText = Fl::event_length() > 0 && static_cast<unsigned char>(text[0]) >= ' ' &&
                         Fl::event_state(FL_CTRL | FL_META) == 0;
  if (!typesText) {
    if (edits) PassToWidget();
    return 1;
  }
  for (int i = 0; i < Fl::event_length(); ++i) {
    char typed = text[i];
    if (!edits) {
      user::TypeChar(form_, typed);
    } else if (user::FilterChar(form_, typed)) {
      PassToWidget();
      break;  // The widget typed the whole event text.
    }
  }
  return 1;
}

}  // namespace vantrel::fltk
