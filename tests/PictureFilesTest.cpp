#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "generator/PictureFileBytes.h"
#include "generator/PictureFiles.h"
#include "platform/resources/ModulePicture.h"
#include "platform/resources/Rle4.h"

namespace vantrel {
namespace {

// Pixels as the test reads them: a palette index, or -1 for transparent.
using Pixels = std::vector<std::vector<int>>;

std::uint32_t U16(const std::string& b, std::size_t at) {
  return static_cast<unsigned char>(b.at(at)) | static_cast<unsigned char>(b.at(at + 1)) << 8;
}
std::uint32_t U32(const std::string& b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }
unsigned Byte(const std::string& b, std::size_t at) { return static_cast<unsigned char>(b.at(at)); }

// Pixels from rows of characters: a hexadecimal palette index, or '.'.
Pixels ToPixels(const std::vector<std::string>& rows) {
  Pixels pixels;
  for (const std::string& row : rows) {
    pixels.emplace_back();
    for (char c : row) pixels.back().push_back(c == '.' ? -1 : std::stoi(std::string(1, c), nullptr, 16));
  }
  return pixels;
}

using Fields = std::vector<std::uint32_t>;

// Checks a BITMAPINFOHEADER (size, width, height, planes, bits per pixel,
// compression); returns the offset of the pixel rows, after the colour
// table (which the golden files pin).
std::size_t CheckInfo(const std::string& b, std::size_t at, int width, int height) {
  EXPECT_EQ((Fields{U32(b, at), U32(b, at + 4), U32(b, at + 8), U16(b, at + 12), U16(b, at + 14), U32(b, at + 16)}),
            (Fields{40, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), 1, 4, 0}));
  return at + 40 + 64;
}

// Reads rows of 4- or 1-bit values, stored bottom-up, padded to 32 bits,
// the leftmost pixel in the high bits of a byte.
Pixels Rows(const std::string& b, std::size_t at, int width, int height, int bits) {
  const std::size_t stride = (width * bits + 31) / 32 * 4;
  Pixels pixels(height, std::vector<int>(width));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const unsigned byte = Byte(b, at + (height - 1 - y) * stride + x * bits / 8);
      pixels[y][x] = byte >> (8 - bits - x * bits % 8) & ((1u << bits) - 1);
    }
  return pixels;
}

// The file header: "BM", file size, reserved, pixel offset.
Pixels DecodeBitmapFile(const std::string& b, int width, int height) {
  EXPECT_EQ(b.size(), 118 + (width * 4 + 31) / 32 * 4 * height);
  EXPECT_EQ(b.substr(0, 2), "BM");
  EXPECT_EQ((Fields{U32(b, 2), U32(b, 6), U32(b, 10)}), (Fields{static_cast<std::uint32_t>(b.size()), 0, 118}));
  EXPECT_EQ(CheckInfo(b, 14, width, height), 118u);
  return Rows(b, 118, width, height, 4);
}

// The directory: reserved, type, count, then one entry: width, height, a
// word of planes times bits per pixel, the planes and bit-count words left
// zero, image size and offset.
Pixels DecodeIconFile(const std::string& b, int width, int height) {
  const std::size_t colour = (width * 4 + 31) / 32 * 4 * height, mask = (width + 31) / 32 * 4 * height;
  EXPECT_EQ(b.size(), 22 + 104 + colour + mask);
  EXPECT_EQ((Fields{U16(b, 0), U16(b, 2), U16(b, 4), Byte(b, 6), Byte(b, 7), U16(b, 8), U16(b, 10), U16(b, 12),
                    U32(b, 14), U32(b, 18)}),
            (Fields{0, 1, 1, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), 4, 0, 0,
                    static_cast<std::uint32_t>(104 + colour + mask), 22}));
  const std::size_t rows = CheckInfo(b, 22, width, 2 * height);
  Pixels pixels = Rows(b, rows, width, height, 4);
  const Pixels bits = Rows(b, rows + colour, width, height, 1);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (bits[y][x]) {  // Transparent: the colour beneath must be black.
        EXPECT_EQ(pixels[y][x], 0) << "colour under the mask at " << x << "," << y;
        pixels[y][x] = -1;
      }
  return pixels;
}

// The golden files pin every byte of the three files a project gets. Small
// pictures of awkward widths exercise the row padding, the order of the two
// pixels in a byte and of the bits in the mask, and the bottom-up rows, all
// of which the 144- and 32-wide pictures cannot tell apart.
TEST(PictureFiles, OddSizesArePaddedAndOrdered) {
  const std::vector<std::string> cases[] = {
      {"9"}, {"1.F", "C40"}, {"0123456.8", "9ABCDEF.7"}, {"..0123456789ABCDEF0123456789ABCD."}, {"F.", ".F", "12"},
  };
  for (const auto& rows : cases) {
    SCOPED_TRACE(rows[0]);
    const int width = static_cast<int>(rows[0].size()), height = static_cast<int>(rows.size());
    std::string data;
    for (const auto& row : rows) data += row;
    ModulePicture picture{"TEST", width, height, true, data};
    Pixels expected = ToPixels(rows);
    EXPECT_EQ(DecodeIconFile(EncodeIconFile(picture), width, height), expected);
    // A bitmap has no mask: transparent pixels come out black.
    for (auto& row : expected)
      for (auto& pixel : row) pixel = pixel < 0 ? 0 : pixel;
    EXPECT_EQ(DecodeBitmapFile(EncodeBitmapFile(picture), width, height), expected);
  }
  // A picture of the other kind, or none, gives no file.
  EXPECT_EQ(PictureFileBytes({"TOOLBAR", true}), "");
  EXPECT_EQ(PictureFileBytes({"NOSUCH", false}), "");
}

// The compressed file's header names its compression and the rows' size,
// which Windows reads instead of width times height.
TEST(PictureFiles, TheCompressedBitmapFileNamesItsCompressionAndSizes) {
  const ModulePicture& picture = *FindModuleBitmap("BACKIMAGE");
  const std::string file = EncodeCompressedBitmapFile(picture), rows = rle4::Encode(picture);
  EXPECT_EQ((Fields{U32(file, 2), U32(file, 10), U32(file, 14 + 16), U32(file, 14 + 20)}),
            (Fields{static_cast<std::uint32_t>(file.size()), 118, 2, static_cast<std::uint32_t>(rows.size())}));
  EXPECT_EQ(file.substr(118), rows);
}

}  // namespace
}  // namespace vantrel
