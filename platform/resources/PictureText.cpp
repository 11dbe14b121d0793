#include "platform/resources/PictureText.h"

#include <charconv>
#include <stdexcept>
#include <vector>

namespace vantrel {
namespace {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

[[noreturn]] void Fail(std::size_t lineIndex, const std::string& what) {
  throw std::runtime_error("line " + std::to_string(lineIndex + 1) + ": " + what);
}

// Reads a positive decimal number that makes up the whole of field.
int ParseSide(std::string_view field, std::size_t lineIndex) {
  int value = 0;
  auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (field.empty() || error != std::errc() || end != field.data() + field.size() || value < 1 ||
      value > kMaxPictureSide)
    Fail(lineIndex, "bad size \"" + std::string(field) + "\"");
  return value;
}

bool IsPixelCharacter(char c, bool icon) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (icon && c == '.');
}

}  // namespace

PictureText ParsePictureText(std::string_view text) {
  const auto lines = SplitLines(text);
  std::size_t at = 0;
  while (at < lines.size() && lines[at].starts_with('#')) ++at;
  if (at == lines.size()) Fail(at, "no header line");

  // The header: kind, width and height separated by single blanks.
  std::vector<std::string_view> fields;
  for (std::string_view rest = lines[at]; !rest.empty();) {
    std::size_t blank = rest.find(' ');
    fields.push_back(rest.substr(0, blank));
    if (blank == std::string_view::npos) break;
    rest.remove_prefix(blank + 1);
  }
  if (fields.size() != 3 || (fields[0] != "bitmap" && fields[0] != "icon"))
    Fail(at, "the header must read \"bitmap W H\" or \"icon W H\"");
  PictureText picture;
  picture.icon = fields[0] == "icon";
  picture.width = ParseSide(fields[1], at);
  picture.height = ParseSide(fields[2], at);
  ++at;

  picture.data.reserve(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
  for (int row = 0; row < picture.height; ++row, ++at) {
    if (at == lines.size())
      Fail(at, "only " + std::to_string(row) + " of " + std::to_string(picture.height) + " rows");
    const std::string_view line = lines[at];
    if (line.size() != static_cast<std::size_t>(picture.width))
      Fail(at, "row of " + std::to_string(line.size()) + " pixels, expected " +
                   std::to_string(picture.width));
    for (std::size_t x = 0; x < line.size(); ++x)
      if (!IsPixelCharacter(line[x], picture.icon))
        Fail(at, "column " + std::to_string(x + 1) + ": '" + std::string(1, line[x]) +
                     "' is not a pixel of " + (picture.icon ? "an icon" : "a bitmap"));
    picture.data.append(line);
  }
  // Only an empty last line (the file's final line end) may follow the rows.
  for (; at < lines.size(); ++at)
    if (!lines[at].empty()) Fail(at, "more rows than the height");
  return picture;
}

bool IsPictureName(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name)
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
  return true;
}

}  // namespace vantrel
