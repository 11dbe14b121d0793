#include "platform/toolkit/UserInput.h"

#include <cctype>
#include <functional>

#include "platform/toolkit/Application.h"
#include "platform/toolkit/Button.h"
#include "platform/toolkit/CheckBox.h"
#include "platform/toolkit/CheckListBox.h"
#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/DirectoryListBox.h"
#include "platform/toolkit/DriveComboBox.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/ItemIndex.h"
#include "platform/toolkit/Label.h"
#include "platform/toolkit/PageControl.h"
#include "platform/toolkit/RadioButton.h"
#include "platform/toolkit/UpDown.h"

namespace vantrel::user {
namespace {

// Runs a user's action; an error escaping a handler goes to the error box,
// as the toolkit's message loop would report it.
bool Guarded(TControl& control, const std::function<void()>& action) {
  try {
    action();
  } catch (...) {
    TApplication* app = control.Application();
    if (app == nullptr) throw;
    app->HandleException();
  }
  return true;
}

bool Reachable(const TControl& control) {
  const TForm* form = control.Form();
  return form != nullptr && form->Visible() && control.CanAct();
}

// Focuses a control the way a click or an access key does.
void Focus(TWinControl& control) {
  control.SetFocus();
  if (auto* edit = dynamic_cast<TEdit*>(&control)) edit->SelectAll();
}

}  // namespace

bool Click(TControl& control) {
  if (!Reachable(control)) return false;
  return Guarded(control, [&] {
    if (auto* button = dynamic_cast<TButton*>(&control)) {
      button->SetFocus();
      button->Click();
    } else if (auto* check = dynamic_cast<TCheckBox*>(&control)) {
      check->SetFocus();
      check->UserClick();
    } else if (auto* radio = dynamic_cast<TRadioButton*>(&control)) {
      radio->SetFocus();
      radio->UserClick();
    } else if (auto* edit = dynamic_cast<TEdit*>(&control)) {
      edit->SetFocus();
      edit->SetCaretToEnd();
    } else if (auto* win = dynamic_cast<TWinControl*>(&control)) {
      if (win->Kind() != ControlKind::Panel && win->Kind() != ControlKind::TabSheet &&
          win->Kind() != ControlKind::PageControl)
        win->SetFocus();
      if (win->OnClick && win->Kind() == ControlKind::Panel) win->OnClick(win);
    } else if (control.OnClick) {
      control.OnClick(&control);
    }
  });
}

bool ClickItem(TControl& list, int index) {
  auto* box = dynamic_cast<TListBox*>(&list);
  if (box == nullptr || !Reachable(list)) return false;
  return Guarded(list, [&] {
    box->SetFocus();
    box->UserSelect(index);
  });
}

bool DoubleClickItem(TControl& list, int index) {
  auto* box = dynamic_cast<TListBox*>(&list);
  if (box == nullptr || !Reachable(list) || !IsItemIndex(index, box->Items().size()))
    return false;
  return Guarded(list, [&] {
    box->SetFocus();
    box->UserSelect(index);
    if (auto* dirs = dynamic_cast<TDirectoryListBox*>(box)) dirs->UserOpen(index);
    if (box->OnDblClick) box->OnDblClick(box);
  });
}

bool ToggleItem(TControl& list, int index) {
  auto* box = dynamic_cast<TCheckListBox*>(&list);
  if (box == nullptr || !Reachable(list) || !IsItemIndex(index, box->Items().size()))
    return false;
  return Guarded(list, [&] {
    box->SetFocus();
    box->UserToggle(index);
  });
}

bool PickItem(TControl& combo, int index) {
  if (!Reachable(combo)) return false;
  if (auto* box = dynamic_cast<TComboBox*>(&combo)) {
    if (!IsItemIndex(index, box->Items().size())) return false;
    return Guarded(combo, [&] {
      box->SetFocus();
      box->UserPick(index);
    });
  }
  if (auto* drives = dynamic_cast<TDriveComboBox*>(&combo)) {
    if (!IsItemIndex(index, drives->Drives().size())) return false;
    return Guarded(combo, [&] {
      drives->SetFocus();
      drives->UserPick(index);
    });
  }
  return false;
}

bool SelectTab(TControl& pageControl, int index) {
  auto* pages = dynamic_cast<TPageControl*>(&pageControl);
  if (pages == nullptr || !Reachable(pageControl)) return false;
  bool changed = false;
  Guarded(pageControl, [&] { changed = pages->UserSelectTab(index); });
  return changed;
}

bool Spin(TControl& upDown, int delta) {
  auto* spin = dynamic_cast<TUpDown*>(&upDown);
  if (spin == nullptr || !Reachable(upDown)) return false;
  return Guarded(upDown, [&] { spin->UserStep(delta); });
}

bool SelectText(TControl& edit) {
  auto* box = dynamic_cast<TEdit*>(&edit);
  if (box == nullptr || !Reachable(edit)) return false;
  return Guarded(edit, [&] {
    box->SetFocus();
    box->SelectAll();
  });
}

bool TypeChar(TForm& form, char key) {
  TWinControl* target = form.ActiveControl();
  if (!form.Visible() || target == nullptr || !target->CanAct()) return false;
  return Guarded(*target, [&] {
    char typed = key;
    if (target->OnKeyPress) target->OnKeyPress(target, typed);
    // The handler may have moved the focus or disabled the control; the
    // character still goes to the control that received it.
    if (typed != 0 && target->CanAct()) target->KeyChar(typed);
  });
}

bool PressKey(TForm& form, Key key) {
  if (!form.Visible()) return false;
  switch (key) {
    case Key::Tab:
    case Key::ShiftTab:
      return Guarded(form, [&] { form.SelectNext(key == Key::Tab); });
    case Key::Enter: return TypeChar(form, kCharEnter);
    case Key::Backspace: return TypeChar(form, kCharBackspace);
    case Key::Escape: return TypeChar(form, kCharEscape);
    case Key::Space: return TypeChar(form, ' ');
    default: break;
  }
  TWinControl* target = form.ActiveControl();
  if (target == nullptr || !target->CanAct()) return false;
  bool used = false;
  Guarded(*target, [&] { used = target->NavigationKey(key); });
  return used;
}

bool AltKey(TForm& form, char letter) {
  if (!form.Visible()) return false;
  const char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  // The first control in creation order whose caption carries the key and
  // which a user can reach.
  std::function<TControl*(const TWinControl&)> find = [&](const TWinControl& parent) -> TControl* {
    for (TControl* child : parent.Controls()) {
      if (!child->Showing()) continue;
      if (child->AccessKey() == wanted && child->EnabledInTree()) {
        auto* label = dynamic_cast<TLabel*>(child);
        if (label == nullptr || (label->FocusControl() != nullptr && label->FocusControl()->CanFocus()))
          return child;
      }
      if (auto* win = dynamic_cast<TWinControl*>(child))
        if (TControl* found = find(*win)) return found;
    }
    return nullptr;
  };
  TControl* target = find(form);
  if (target == nullptr) return false;
  return Guarded(*target, [&] {
    if (auto* label = dynamic_cast<TLabel*>(target)) {
      Focus(*label->FocusControl());
    } else if (auto* button = dynamic_cast<TButton*>(target)) {
      button->SetFocus();
      button->Click();
    } else if (auto* radio = dynamic_cast<TRadioButton*>(target)) {
      radio->SetFocus();
      radio->UserClick();
    } else if (auto* check = dynamic_cast<TCheckBox*>(target)) {
      check->SetFocus();
      check->UserClick();
    } else if (auto* win = dynamic_cast<TWinControl*>(target)) {
      Focus(*win);
    }
  });
}

bool CloseWindow(TForm& form) {
  if (!form.Visible()) return false;
  return Guarded(form, [&] { form.Close(); });
}

}  // namespace vantrel::user
