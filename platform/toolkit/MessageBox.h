#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/toolkit/Types.h"

namespace vantrel {

enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// A message box as the application asks for it. The answer is mrOk,
// mrCancel, mrYes or mrNo; closing the box, or Escape, answers like Cancel,
// or like the last button (OK, No) when there is no Cancel button.
struct MessageBoxRequest {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  // The button that has the focus when the box opens, which Enter presses;
  // mrNone for the first.
  TModalResult defaultAnswer = mrNone;
  // The application's own window (TApplication::Handle, the host's), which
  // owns the box when no form of the toolkit is running; 0 when none.
  std::uintptr_t applicationWindow = 0;
  bool operator==(const MessageBoxRequest&) const = default;
};

// The text of a message box with every line that is too wide broken in
// several, so that the box stays within the screen and every character
// shows: after the last path separator ('\\' or '/') that fits, else after
// the last blank, else after the last whole character that fits. fits
// tells whether a line is narrow enough; characterEnd gives the end of the
// character that starts at an offset (by default a UTF-8 character), so
// that no character is cut in two.
using LineFits = std::function<bool(std::string_view line)>;
using CharacterEnd = std::function<std::size_t(std::string_view text, std::size_t start)>;
std::string FitMessageText(std::string_view text, const LineFits& fits, const CharacterEnd& characterEnd = {});

}  // namespace vantrel
