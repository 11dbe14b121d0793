#include "platform/toolkit/Edit.h"

#include <algorithm>

namespace vantrel {

TEdit::TEdit(TComponent* owner, ControlKind kind) : TWinControl(owner, kind) {}

void TEdit::SetText(const std::string& text) {
  if (text == Text()) return;
  SetCaption(text);
  selStart_ = std::min(selStart_, text.size());
  selLength_ = std::min(selLength_, text.size() - selStart_);
  if (OnChange) OnChange(this);
}

void TEdit::SelectAll() {
  selStart_ = 0;
  selLength_ = Text().size();
  ++selectionRequests_;
  Changed();
}

void TEdit::SetCaretToEnd() {
  selStart_ = Text().size();
  selLength_ = 0;
  ++selectionRequests_;
  Changed();
}

void TEdit::UserClick() {
  SetFocus();
  SetCaretToEnd();
}

void TEdit::KeyboardFocus() {
  SetFocus();
  SelectAll();
}

bool TEdit::UserEditText(const std::string& text) {
  if (readOnly_) return false;
  selStart_ = text.size();
  selLength_ = 0;
  SetText(text);
  return true;
}

void TEdit::KeyChar(char key) {
  if (readOnly_) return;
  if (static_cast<unsigned char>(key) < ' ' && key != kCharBackspace) return;
  std::string text = Text();
  std::size_t start = selStart_;
  if (key == kCharBackspace) {
    if (selLength_ > 0) {
      text.erase(start, selLength_);
    } else if (start > 0) {
      --start;
      text.erase(start, 1);
    } else {
      return;
    }
  } else {
    text.replace(start, selLength_, 1, key);
    ++start;
  }
  selStart_ = start;
  selLength_ = 0;
  SetText(text);
}

}  // namespace vantrel
