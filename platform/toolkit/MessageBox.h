#pragma once

#include <cstdint>
#include <string>

#include "platform/toolkit/Types.h"

namespace vantrel {

enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// A message box as the application asks for it. The answer is mrOk,
// mrCancel, mrYes or mrNo; closing the box answers like Cancel, or OK when
// there is no Cancel button.
struct MessageBoxRequest {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  // The application's own window (TApplication::Handle, the host's), which
  // owns the box when no form of the toolkit is running; 0 when none.
  std::uintptr_t applicationWindow = 0;
  bool operator==(const MessageBoxRequest&) const = default;
};

}  // namespace vantrel
