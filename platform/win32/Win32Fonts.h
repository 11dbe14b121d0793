#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "platform/toolkit/Types.h"

namespace vantrel::win32 {

// The fonts the form descriptions name, made once each with CreateFontA at
// their character height in pixels (Arial bold 13, MS Sans Serif 11), and
// deleted with the backend.
class Win32Fonts {
 public:
  Win32Fonts() = default;
  ~Win32Fonts();
  Win32Fonts(const Win32Fonts&) = delete;
  Win32Fonts& operator=(const Win32Fonts&) = delete;

  HFONT Get(const TFont& font);

 private:
  std::map<std::tuple<std::string, int, bool>, HFONT> fonts_;
};

}  // namespace vantrel::win32
