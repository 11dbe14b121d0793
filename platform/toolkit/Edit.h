#pragma once

#include <cstddef>
#include <string>

#include "platform/toolkit/WinControl.h"

namespace vantrel {

// A one-line edit. Its change handler runs on every change of its text,
// also one made by code. A read-only edit takes the focus but no typing.
// Typing replaces the selected text, or appends at the caret, which a user
// leaves at the end; Backspace deletes the selection or the character
// before the caret.
class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner, ControlKind kind = ControlKind::Edit);

  const std::string& Text() const { return Caption(); }
  void SetText(const std::string& text);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

  // The selection: its start and length in bytes.
  std::size_t SelStart() const { return selStart_; }
  std::size_t SelLength() const { return selLength_; }
  void SelectAll();
  void SetCaretToEnd();
  // Counts the selections made by code or by the rules above, so that a
  // backend whose widget keeps its own selection knows when to take this
  // one.
  unsigned SelectionRequests() const { return selectionRequests_; }

  void KeyChar(char key) override;
  // A click leaves the caret at the end; Tab or an access key selects all.
  void UserClick() override;
  void KeyboardFocus() override;
  // The text a user's editing left, with the caret at its end.
  bool UserEditText(const std::string& text) override;

  TNotifyEvent OnChange;

 private:
  bool readOnly_ = false;
  std::size_t selStart_ = 0;
  std::size_t selLength_ = 0;
  unsigned selectionRequests_ = 0;
};

}  // namespace vantrel
