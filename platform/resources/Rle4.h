#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/resources/ModulePicture.h"

// Run-length compression of 4-bit bitmaps in the form Windows' own bitmap
// functions read (BI_RLE4). The pictures that only the dialogs show are
// kept in the Windows module compressed this way, which makes them about a
// third of their plain size; the pictures a project gets stay plain, so that
// their files are the module's bytes with a header in front.
//
// The data runs bottom row first. A row is a sequence of
//   COUNT PAIR       COUNT pixels alternating the high and the low half of
//                    PAIR (a run of one colour when both halves are equal);
//   0 COUNT PIXELS   COUNT (3 to 255) pixels given one by one, two to a
//                    byte, padded to an even number of bytes;
// and ends with 0 0; the last row ends with 0 1 (end of the bitmap) instead.
// 0 2 DX DY moves right and up; pixels skipped keep index 0.
namespace vantrel::rle4 {

// The picture's pixels compressed, as few bytes as the form allows. The
// picture must have no transparent pixels.
std::string Encode(const ModulePicture& picture);

// The pixels of compressed data for a picture of that size, as the
// characters '0'-'9' and 'A'-'F', rows top first (ModulePicture::data).
// Nothing when the data is malformed: a run or a move that leaves the
// picture, or data that ends before the end of the bitmap.
std::optional<std::string> Decode(std::string_view data, int width, int height);

}  // namespace vantrel::rle4
