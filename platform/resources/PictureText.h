#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// A picture as it is kept in resources/: a readable text file.
//
//   # Any number of comment lines first.
//   bitmap 144 15          (or: icon 32 32)
//   0000777777770000...    one line per pixel row, top row first
//
// Each row holds exactly one character per pixel: '0'-'9' and 'A'-'F' are
// indices into the standard 16-colour palette, and '.' is a transparent
// pixel, allowed in icons only. Lines end in LF (a CR before it is ignored).
struct PictureText {
  bool icon = false;
  int width = 0;
  int height = 0;
  std::string data;  // The rows joined, top row first.
};

// The largest width or height a picture may have.
inline constexpr int kMaxPictureSide = 2048;

// Reads the text form of a picture. Throws std::runtime_error naming the
// line at fault when the header is malformed, a row has the wrong length or
// a character that is not allowed, or the number of rows is not the height.
PictureText ParsePictureText(std::string_view text);

// True for a resource name the module can carry: upper-case letters, digits
// and underscores, at least one character.
bool IsPictureName(std::string_view name);

}  // namespace vantrel
