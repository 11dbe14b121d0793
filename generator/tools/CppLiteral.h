#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vantrel::tools {

// Every byte outside plain printable ASCII, and the characters that mean
// something inside a literal, is written as a three-digit octal escape.
inline std::string CppLiteral(std::string_view bytes) {
  std::string out = "\"";
  int column = 0;
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\' && c != '?') {
      out += static_cast<char>(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
    }
    if (c == '\n' || ++column > 100) {
      out += "\"\n    \"";
      column = 0;
    }
  }
  return out + "\"";
}

}  // namespace vantrel::tools
