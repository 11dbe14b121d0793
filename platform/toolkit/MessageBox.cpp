#include "platform/toolkit/MessageBox.h"

namespace vantrel {
namespace {

// A UTF-8 character's end: the lead byte and the continuation bytes that
// follow it.
std::size_t Utf8CharacterEnd(std::string_view text, std::size_t start) {
  std::size_t end = start + 1;
  while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  return end;
}

// One line broken where it is too wide.
void FitLine(std::string_view line, const LineFits& fits, const CharacterEnd& characterEnd, std::string& out) {
  while (!fits(line)) {
    // The longest run of whole characters that fits, at least one; the
    // last separator and the last blank that end a character within it.
    std::size_t fitting = 0, separator = 0, blank = 0;
    for (std::size_t end = 0; end < line.size();) {
      const std::size_t next = characterEnd(line, end);
      if (fitting > 0 && !fits(line.substr(0, next))) break;
      fitting = next;
      const char c = line[end];
      if (next == end + 1 && (c == '\\' || c == '/')) separator = next;
      if (next == end + 1 && c == ' ') blank = next;
      end = next;
    }
    if (fitting >= line.size()) break;
    const std::size_t cut = separator > 0 ? separator : blank > 0 ? blank : fitting;
    out.append(line.substr(0, cut));
    out.push_back('\n');
    line.remove_prefix(cut);
  }
  out.append(line);
}

}  // namespace

std::string FitMessageText(std::string_view text, const LineFits& fits, const CharacterEnd& characterEnd) {
  const CharacterEnd& step = characterEnd ? characterEnd : CharacterEnd(Utf8CharacterEnd);
  std::string out;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    FitLine(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start), fits, step, out);
    if (end == std::string_view::npos) break;
    out.push_back('\n');
    start = end + 1;
  }
  return out;
}

}  // namespace vantrel
