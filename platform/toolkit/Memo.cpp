#include "platform/toolkit/Memo.h"

namespace vantrel {

TMemo::TMemo(TComponent* owner) : TWinControl(owner, ControlKind::Memo) {}

void TMemo::AddLine(const std::string& line) {
  lines_.push_back(line);
  Changed();
}

void TMemo::ClearLines() {
  lines_.clear();
  Changed();
}

std::string TMemo::Text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\r\n";
  return text;
}

}  // namespace vantrel
