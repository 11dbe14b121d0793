#pragma once

#include <string>
#include <vector>

#include "platform/toolkit/WinControl.h"

namespace vantrel {

// A multi-line text box.
class TMemo : public TWinControl {
 public:
  explicit TMemo(TComponent* owner);

  const std::vector<std::string>& Lines() const { return lines_; }
  void AddLine(const std::string& line);
  void ClearLines();
  // The lines joined by CR LF.
  std::string Text() const;

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap) { wordWrap_ = wordWrap; }
  // The background: the button-face colour or the window colour.
  bool ButtonFaceColor() const { return buttonFace_; }
  void SetButtonFaceColor(bool buttonFace) { buttonFace_ = buttonFace; }

 private:
  std::vector<std::string> lines_;
  bool readOnly_ = false;
  bool wordWrap_ = true;
  bool buttonFace_ = false;
};

}  // namespace vantrel
