#include "platform/testing/UserDriver.h"

#include <stdexcept>

#include "platform/testing/HeadlessBackend.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/UserInput.h"

namespace vantrel {

UserDriver::UserDriver(HeadlessBackend& backend, TForm& form) : backend_(backend), form_(form) {}

void UserDriver::Missing(const std::string& name) const {
  backend_.Problem(form_.ClassName() + " has no control " + name);
  throw std::out_of_range(form_.ClassName() + " has no control " + name);
}

TControl& UserDriver::Control(const std::string& name) const {
  TControl* control = form_.FindControl(name);
  if (control == nullptr) Missing(name);
  return *control;
}

bool UserDriver::Active() {
  // Only the innermost modal form takes input; a closed one takes none.
  const TApplication* app = form_.Application();
  if (app != nullptr && app->ModalForm() == &form_ && form_.ModalResult() == mrNone) return true;
  backend_.Problem("acted on " + form_.ClassName() + " while it could not take input");
  return false;
}

bool UserDriver::Click(const std::string& name) { return Active() && user::Click(Control(name)); }

bool UserDriver::ClickItem(const std::string& name, int index) {
  return Active() && user::ClickItem(Control(name), index);
}

bool UserDriver::DoubleClickItem(const std::string& name, int index) {
  return Active() && user::DoubleClickItem(Control(name), index);
}

bool UserDriver::ToggleItem(const std::string& name, int index) {
  return Active() && user::ToggleItem(Control(name), index);
}

bool UserDriver::Pick(const std::string& name, int index) {
  return Active() && user::PickItem(Control(name), index);
}

bool UserDriver::SelectTab(const std::string& name, int index) {
  return Active() && user::SelectTab(Control(name), index);
}

bool UserDriver::Spin(const std::string& name, int delta) {
  return Active() && user::Spin(Control(name), delta);
}

bool UserDriver::SelectText(const std::string& name) {
  return Active() && user::SelectText(Control(name));
}

bool UserDriver::Type(const std::string& text) {
  for (char c : text)
    if (!Active() || !user::TypeChar(form_, c)) return false;
  return true;
}

bool UserDriver::Press(Key key, int times) {
  for (int i = 0; i < times; ++i)
    if (!Active() || !user::PressKey(form_, key)) return false;
  return true;
}

bool UserDriver::Alt(char letter) { return Active() && user::AltKey(form_, letter); }

bool UserDriver::Close() { return Active() && user::CloseWindow(form_); }

std::string UserDriver::Focused() const {
  TWinControl* focused = form_.ActiveControl();
  return focused != nullptr ? focused->Name() : "";
}

}  // namespace vantrel
