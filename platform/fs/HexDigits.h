#pragma once

#include <string>

namespace vantrel {

inline constexpr char kUpperHexDigits[] = "0123456789ABCDEF";
inline constexpr char kLowerHexDigits[] = "0123456789abcdef";

// The lowest `count` hexadecimal digits of value, zeros in front, taken from
// digits. Written out here rather than with snprintf, whose formatting code
// (some 30 KB, floating point included) would otherwise be linked into every
// Windows binary for these few digits.
inline std::string HexDigits(unsigned value, int count, const char* digits = kUpperHexDigits) {
  std::string text(static_cast<std::size_t>(count), '0');
  for (int i = count - 1; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = digits[value & 0xFu];
  return text;
}

}  // namespace vantrel
