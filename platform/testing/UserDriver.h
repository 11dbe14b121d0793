#pragma once

#include <string>

#include "platform/toolkit/Form.h"
#include "platform/toolkit/Types.h"

namespace vantrel {

class HeadlessBackend;

// Acts on one shown form as a user would, naming controls by their names.
// Every action goes through UserInput, so a disabled or hidden control
// takes none; an action that no user could do returns false. An action on
// a form that is no longer the innermost modal form is recorded as a
// problem of the backend.
class UserDriver {
 public:
  UserDriver(HeadlessBackend& backend, TForm& form);

  TForm& Form() const { return form_; }
  // A control of the form, to read its state; a missing name is a problem
  // and throws std::out_of_range.
  template <class T>
  T& Get(const std::string& name) const {
    T* control = form_.Find<T>(name);
    if (control == nullptr) Missing(name);
    return *control;
  }

  bool Click(const std::string& name);
  bool ClickItem(const std::string& name, int index);
  bool DoubleClickItem(const std::string& name, int index);
  bool ToggleItem(const std::string& name, int index);
  bool Pick(const std::string& name, int index);
  bool SelectTab(const std::string& name, int index);
  bool Spin(const std::string& name, int delta);
  bool SelectText(const std::string& name);

  // Types each character of text into the focused control.
  bool Type(const std::string& text);
  bool Press(Key key, int times = 1);
  bool Alt(char letter);
  bool Close();

  // The name of the focused control, or "" when none has the focus.
  std::string Focused() const;

 private:
  [[noreturn]] void Missing(const std::string& name) const;
  TControl& Control(const std::string& name) const;
  bool Active();

  HeadlessBackend& backend_;
  TForm& form_;
};

}  // namespace vantrel
