#include "platform/fs/FileError.h"

#include <string>

#include "platform/fs/HexDigits.h"

namespace vantrel {
namespace {

// What could not be done, per kind.
const char* ActionOf(FileError::Kind kind) {
  switch (kind) {
    case FileError::Kind::CannotCreate:
    case FileError::Kind::Exists: return "Cannot create file ";
    case FileError::Kind::Incomplete: return "Cannot write file ";
    case FileError::Kind::BadDirectory:
    case FileError::Kind::Busy: return "Cannot write into directory ";
  }
  return "Cannot use ";
}

}  // namespace

FileError::FileError(Kind kind, std::string path, std::string reason)
    : std::runtime_error(MessageFor(kind, path, reason)),
      kind_(kind),
      path_(std::move(path)),
      reason_(std::move(reason)) {}

std::string FileError::MessageFor(Kind kind, const std::string& path, const std::string& reason) {
  return ActionOf(kind) + EscapeControls(path) + (reason.empty() ? "" : ": " + reason);
}

std::string PathTooLongReason(std::size_t overrun) {
  return "File name too long: the longest path used for it, temporary names included, is " +
         std::to_string(overrun) + (overrun == 1 ? " character" : " characters") + " over the system's limit";
}

namespace {

void AppendEscaped(std::string& out, unsigned char byte) {
  out += "\\x" + HexDigits(byte, 2);
}

// The length of the valid UTF-8 sequence that starts text, 0 when none does.
std::size_t Utf8Length(std::string_view text) {
  const auto byte = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  unsigned minimum = 0;
  unsigned value = 0;
  if (byte >= 0xC2 && byte <= 0xDF) length = 2, minimum = 0x80, value = byte & 0x1F;
  else if (byte >= 0xE0 && byte <= 0xEF) length = 3, minimum = 0x800, value = byte & 0x0F;
  else if (byte >= 0xF0 && byte <= 0xF4) length = 4, minimum = 0x10000, value = byte & 0x07;
  if (length == 0 || text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::string EscapeControls(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7f) {
      AppendEscaped(escaped, byte);
      ++i;
      continue;
    }
    if (byte < 0x80 || !kTextIsUtf8) {
      escaped.push_back(text[i++]);
      continue;
    }
    // Terminals that read UTF-8 obey the C1 controls (U+0080 to U+009F; CSI
    // is U+009B), and some obey them as single bytes too: both are escaped,
    // byte by byte. Every other valid sequence stays.
    const std::size_t length = Utf8Length(text.substr(i));
    const bool c1 = length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
    if (length == 0 && byte <= 0x9F) {
      AppendEscaped(escaped, byte);
      ++i;
    } else if (c1) {
      AppendEscaped(escaped, byte);
      AppendEscaped(escaped, static_cast<unsigned char>(text[i + 1]));
      i += 2;
    } else {
      const std::size_t keep = length == 0 ? 1 : length;
      escaped.append(text.substr(i, keep));
      i += keep;
    }
  }
  return escaped;
}

}  // namespace vantrel
