#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "generator/PictureFileBytes.h"
#include "generator/PictureFiles.h"
#include "platform/resources/ModulePicture.h"

namespace vantrel {
namespace {

// Pixels as the test reads them: a palette index, or -1 for transparent.
using Pixels = std::vector<std::vector<int>>;

// The standard palette as blue, green, red, zero, written out here rather
// than taken from the product.
constexpr unsigned char kPalette[16][4] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},     {0, 128, 0, 0},     {0, 128, 128, 0},
    {128, 0, 0, 0},     {128, 0, 128, 0},   {128, 128, 0, 0},   {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0},     {0, 255, 0, 0},     {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0},   {255, 255, 0, 0},   {255, 255, 255, 0},
};

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

// Reads a .pic file of resources/ on its own terms: comment lines, the
// header, then one character per pixel.
Pixels ReadPicFile(const std::string& name) {
  std::ifstream in(std::string(VANTREL_SOURCE_DIR) + "/resources/" + name + ".pic");
  std::string line, kind;
  while (std::getline(in, line) && line.starts_with('#')) {
  }
  int width = 0, height = 0;
  std::istringstream(line) >> kind >> width >> height;
  std::vector<std::string> rows;
  while (static_cast<int>(rows.size()) < height && std::getline(in, line)) rows.push_back(line);
  EXPECT_EQ(static_cast<int>(rows.size()), height) << name;
  return ToPixels(rows);
}

using Fields = std::vector<std::uint32_t>;

// Checks a BITMAPINFOHEADER (size, width, height, planes, bits per pixel,
// compression) and the colour table after it; returns the offset of the
// pixel rows.
std::size_t CheckInfoAndPalette(const std::string& b, std::size_t at, int width, int height) {
  EXPECT_EQ((Fields{U32(b, at), U32(b, at + 4), U32(b, at + 8), U16(b, at + 12), U16(b, at + 14), U32(b, at + 16)}),
            (Fields{40, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), 1, 4, 0}));
  for (int i = 0; i < 16; ++i)
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Byte(b, at + 40 + 4 * i + k), kPalette[i][k]) << "colour " << i;
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
  EXPECT_EQ(CheckInfoAndPalette(b, 14, width, height), 118u);
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
  const std::size_t rows = CheckInfoAndPalette(b, 22, width, 2 * height);
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

// The files a run writes, as the module carries them (on Windows, its
// resources with the file headers put back), decode to their sources and
// are exactly what the encoders make of the module's pictures.
TEST(PictureFiles, TheThreeFilesDecodeToTheirPictures) {
  const struct {
    const char* resource;
    bool icon;
    int width, height;
  } cases[] = {
      {"TOOLBAR", false, 144, 15},
      {"MDICHILD", true, 32, 32},
      {"MFCVANTREL", true, 32, 32},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.resource);
    const std::string bytes(PictureFileBytes({c.resource, c.icon}));
    const auto decode = c.icon ? DecodeIconFile : DecodeBitmapFile;
    EXPECT_EQ(decode(bytes, c.width, c.height), ReadPicFile(c.resource));
    const ModulePicture* picture = c.icon ? FindModuleIcon(c.resource) : FindModuleBitmap(c.resource);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(bytes, c.icon ? EncodeIconFile(*picture) : EncodeBitmapFile(*picture));
  }
  EXPECT_EQ(PictureFileBytes({"TOOLBAR", true}), "");
  EXPECT_EQ(PictureFileBytes({"NOSUCH", false}), "");
}

// Small pictures of awkward widths exercise the row padding, the order of
// the two pixels in a byte and of the bits in the mask, and the bottom-up
// rows, all of which the 144- and 32-wide pictures cannot tell apart.
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
}

}  // namespace
}  // namespace vantrel
