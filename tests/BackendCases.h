#pragma once

// The cases every backend with real windows passes; each backend's test
// supplies its windows.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/toolkit/Backend.h"
#include "platform/toolkit/Control.h"

namespace vantrel::test {

// A backend's windows, acted on and looked at natively: a form found by its
// caption, a control by its place.
class NativeWindows {
 public:
  virtual ~NativeWindows() = default;
  virtual Backend& WindowBackend() = 0;
  // The host's main window, the forms' parent.
  virtual std::uintptr_t HostWindow() = 0;
  // Calls turn at each turn of whatever loop runs (a form's modal loop, a
  // message box's) until it returns false; null stops the calls.
  virtual void EveryTurn(std::function<bool()> turn) = 0;

  // What a user does to a control, as its native control reports it.
  virtual void Edit(const TControl& edit, const std::string& text) = 0;
  // Picks a row of a combo box's list, or clicks a row of a list box.
  virtual void Choose(const TControl& list, int index) = 0;
  virtual void Click(const TControl& button) = 0;
  virtual void SpinUp(const TControl& spin) = 0;
  // A key sent to the window with the focus: a character, '\r' for Enter
  // or '\t' for Tab.
  virtual void Key(char key) = 0;

  // What the native controls show: an edit's text and the length of its
  // selection, the selected row of a list or combo box, the focus.
  virtual std::string Text(const TControl& edit) = 0;
  virtual std::size_t SelectionLength(const TControl& edit) = 0;
  virtual int Row(const TControl& list) = 0;
  virtual bool HasFocus(const TControl& control) = 0;

  // Whether the host's window takes input now, and whether the form's
  // window stays above it.
  virtual bool HostTakesInput() = 0;
  virtual bool AboveHost(const TForm& form) = 0;

  // The message box shown now, answered with OK.
  struct Box {
    std::string text;
    bool aboveForm = false;  // It stays above the form's window.
  };
  virtual Box AnswerBox(const TForm& form) = 0;
};

// A user's changes, the spin buttons' too, are actions; the program's not.
void ExpectUserChangesAreActionsAndTheProgramsAreNot(NativeWindows& native);
void ExpectKeysReachTheToolkitFirst(NativeWindows& native);
// A modal form stays above the host's window, which takes no input; an
// error in a handler reaches the error box above the form.
void ExpectModalFormAndItsErrorBoxStayAbove(NativeWindows& native);

}  // namespace vantrel::test
