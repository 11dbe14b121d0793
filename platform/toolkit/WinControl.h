#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/toolkit/Control.h"

namespace vantrel {

// A control that can hold the focus and other controls. Its key-press
// handler sees every character typed while it has the focus and may set it
// to 0 to discard it.
class TWinControl : public TControl {
 public:
  using TKeyPressEvent = std::function<void(TControl* sender, char& key)>;

  TWinControl(TComponent* owner, ControlKind kind);
  ~TWinControl() override;

  // The controls whose parent this is, in the order they were added.
  const std::vector<TControl*>& Controls() const { return controls_; }
  // The focusable children in tab order.
  std::vector<TWinControl*> TabOrdered() const;

  bool TabStop() const { return tabStop_; }
  // Whether Tab stops here now; a radio group has one stop (see TRadioButton).
  virtual bool IsTabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }

  // True when the control may take the focus: showing and enabled.
  virtual bool CanFocus() const { return CanAct(); }
  // Moves the input focus here. Throws std::runtime_error when the control
  // is disabled or hidden.
  void SetFocus();
  bool Focused() const;

  TKeyPressEvent OnKeyPress;

  // A click focuses the control.
  void UserClick() override { SetFocus(); }
  // The focus arrives by Tab or by an access key; an edit selects its text.
  virtual void KeyboardFocus() { SetFocus(); }
  void AccessKeyPressed() override { KeyboardFocus(); }
  // A user picks entry index of a drop-down list; false when the control
  // has no such entry.
  virtual bool UserPickItem(int /*index*/) { return false; }
  // The text a user's editing left in the control's edit field; false when
  // it has none that takes typing.
  virtual bool UserEditText(const std::string& /*text*/) { return false; }

  // What the control does with a character that its key-press handler let
  // through: editing, pressing, checking. Nothing by default.
  virtual void KeyChar(char key);
  // What the control does with a navigation key (arrows, Home, End); true
  // when it used it.
  virtual bool NavigationKey(Key key);

 private:
  friend class TControl;
  std::vector<TControl*> controls_;
  bool tabStop_ = true;
  int tabOrder_ = 0;
};

}  // namespace vantrel
