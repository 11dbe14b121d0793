#pragma once

#include <cstdint>
#include <string>

#include "platform/resources/ModulePicture.h"

namespace vantrel {

// The parts that the bitmap file and the icon file share: the 40-byte
// BITMAPINFOHEADER, the colour table of the standard palette and the rows of
// pixels at 4 bits per pixel.
namespace dib {

inline constexpr std::uint32_t kInfoHeaderSize = 40;
inline constexpr std::uint32_t kColourTableSize = 16 * 4;

// Bytes in one row of a picture of that width at that depth: rows are
// padded to a whole number of 32-bit words.
std::uint32_t RowBytes(int width, int bitsPerPixel);

// The compressions a header may name: none, or BI_RLE4 (platform/resources/Rle4.h).
enum class Compression : std::uint32_t { kNone = 0, kRle4 = 2 };

// Appends a BITMAPINFOHEADER: one plane, 4 bits per pixel, no resolution,
// the whole colour table in use.
void PutInfoHeader(std::string& out, int width, int height, std::uint32_t imageBytes,
                   Compression compression = Compression::kNone);

// Appends the 16 entries of the standard palette (blue, green, red, 0).
void PutColourTable(std::string& out);

// Appends the pixels at 4 bits per pixel, bottom row first, the left pixel
// of each pair in the high half of its byte. Transparent pixels are black.
void PutColourRows(std::string& out, const ModulePicture& picture);

// Appends the mask at 1 bit per pixel, bottom row first, the left pixel in
// the highest bit: 1 where the pixel is transparent.
void PutMaskRows(std::string& out, const ModulePicture& picture);

}  // namespace dib
}  // namespace vantrel
