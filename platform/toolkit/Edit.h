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

  void KeyChar(char key) override;

  TNotifyEvent OnChange;

 private:
  bool readOnly_ = false;
  std::size_t selStart_ = 0;
  std::size_t selLength_ = 0;
};

}  // namespace vantrel
