#include "platform/toolkit/UserInput.h"

#include <cctype>
#include <functional>

#include "platform/toolkit/Application.h"
#include "platform/toolkit/CheckListBox.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/ItemIndex.h"
#include "platform/toolkit/PageControl.h"
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

// Whether the form takes input: shown, and not beneath a modal form.
bool TakesInput(const TForm& form) {
  const TApplication* app = form.Application();
  return form.Visible() && (app == nullptr || app->TakesInput(form));
}

bool Reachable(const TControl& control) {
  const TForm* form = control.Form();
  return form != nullptr && TakesInput(*form) && control.CanAct();
}

// A mouse action also needs the form to have been open for the
// double-click time.
bool Pressable(const TControl& control) {
  return Reachable(control) && !control.Form()->IgnoresPresses();
}

// The first control in creation order, depth first, that carries the access
// key and that it reaches now.
TControl* AccessKeyTarget(const TWinControl& parent, char wanted) {
  for (TControl* child : parent.Controls()) {
    if (!child->Showing()) continue;
    if (child->AccessKey() == wanted && child->TakesAccessKey()) return child;
    if (auto* win = dynamic_cast<TWinControl*>(child))
      if (TControl* found = AccessKeyTarget(*win, wanted)) return found;
  }
  return nullptr;
}

}  // namespace

bool Click(TControl& control) {
  if (!Pressable(control)) return false;
  return Guarded(control, [&] { control.UserClick(); });
}

bool Focus(TControl& control) {
  auto* win = dynamic_cast<TWinControl*>(&control);
  if (win == nullptr || !Pressable(control) || !win->CanFocus()) return false;
  return Guarded(control, [&] { win->SetFocus(); });
}

bool ClickItem(TControl& list, int index) {
  auto* box = dynamic_cast<TListBox*>(&list);
  if (box == nullptr || !Pressable(list)) return false;
  return Guarded(list, [&] {
    box->SetFocus();
    box->UserSelect(index);
  });
}

bool DoubleClickItem(TControl& list, int index) {
  auto* box = dynamic_cast<TListBox*>(&list);
  if (box == nullptr || !Pressable(list) || !IsItemIndex(index, box->Items().size()))
    return false;
  return Guarded(list, [&] {
    box->SetFocus();
    box->UserDoubleClick(index);
  });
}

bool ToggleItem(TControl& list, int index) {
  auto* box = dynamic_cast<TCheckListBox*>(&list);
  if (box == nullptr || !Pressable(list) || !IsItemIndex(index, box->Items().size()))
    return false;
  return Guarded(list, [&] {
    box->SetFocus();
    box->UserToggle(index);
  });
}

bool PickItem(TControl& combo, int index) {
  auto* box = dynamic_cast<TWinControl*>(&combo);
  if (box == nullptr || !Pressable(combo)) return false;
  bool picked = false;
  Guarded(combo, [&] { picked = box->UserPickItem(index); });
  return picked;
}

bool SelectTab(TControl& pageControl, int index) {
  auto* pages = dynamic_cast<TPageControl*>(&pageControl);
  if (pages == nullptr || !Pressable(pageControl)) return false;
  bool changed = false;
  Guarded(pageControl, [&] { changed = pages->UserSelectTab(index); });
  return changed;
}

bool Spin(TControl& upDown, int delta) {
  auto* spin = dynamic_cast<TUpDown*>(&upDown);
  if (spin == nullptr || !Pressable(upDown)) return false;
  return Guarded(upDown, [&] { spin->UserStep(delta); });
}

bool SelectText(TControl& edit) {
  auto* box = dynamic_cast<TEdit*>(&edit);
  if (box == nullptr || !Pressable(edit)) return false;
  return Guarded(edit, [&] {
    box->SetFocus();
    box->SelectAll();
  });
}

bool EditText(TControl& edit, const std::string& text) {
  auto* box = dynamic_cast<TWinControl*>(&edit);
  if (box == nullptr || !Reachable(edit)) return false;
  bool taken = false;
  Guarded(edit, [&] { taken = box->UserEditText(text); });
  return taken;
}

bool FilterChar(TForm& form, char& key) {
  TWinControl* target = form.ActiveControl();
  if (!TakesInput(form) || target == nullptr || !target->CanAct()) return false;
  Guarded(*target, [&] {
    if (target->OnKeyPress) target->OnKeyPress(target, key);
  });
  return key != 0 && form.ActiveControl() == target && target->CanAct();
}

bool TypeChar(TForm& form, char key) {
  TWinControl* target = form.ActiveControl();
  if (!TakesInput(form) || target == nullptr || !target->CanAct()) return false;
  return Guarded(*target, [&] {
    char typed = key;
    if (target->OnKeyPress) target->OnKeyPress(target, typed);
    // The handler may have moved the focus or disabled the control; the
    // character still goes to the control that received it.
    if (typed != 0 && target->CanAct()) target->KeyChar(typed);
  });
}

bool PressKey(TForm& form, Key key) {
  if (!TakesInput(form)) return false;
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
  if (!TakesInput(form)) return false;
  const char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  TControl* target = AccessKeyTarget(form, wanted);
  if (target == nullptr) return false;
  return Guarded(*target, [&] { target->AccessKeyPressed(); });
}

bool CloseWindow(TForm& form) {
  if (!TakesInput(form)) return false;
  return Guarded(form, [&] { form.Close(); });
}

}  // namespace vantrel::user
