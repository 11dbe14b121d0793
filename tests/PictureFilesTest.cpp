#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "generator/CodePage.h"
#include "generator/PictureFiles.h"
#include "generator/Writers.h"
#include "platform/resources/ModulePicture.h"
#include "tests/TestSupport.h"

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

// Reads a .pic file of resources/ on its own terms: comment lines, the
// header, then one character per pixel.
Pixels ReadPicFile(const std::string& name) {
  std::ifstream in(std::string(VANTREL_SOURCE_DIR) + "/resources/" + name + ".pic");
  std::string line;
  while (std::getline(in, line) && line.starts_with('#')) {
  }
  std::istringstream header(line);
  std::string kind;
  int width = 0, height = 0;
  header >> kind >> width >> height;
  Pixels pixels;
  while (static_cast<int>(pixels.size()) < height && std::getline(in, line)) {
    std::vector<int> row;
    for (char c : line) row.push_back(c == '.' ? -1 : std::stoi(std::string(1, c), nullptr, 16));
    pixels.push_back(row);
  }
  EXPECT_EQ(static_cast<int>(pixels.size()), height) << name;
  return pixels;
}

// Checks a BITMAPINFOHEADER and the colour table after it; returns the
// offset of the pixel rows.
std::size_t CheckInfoAndPalette(const std::string& b, std::size_t at, int width, int height) {
  EXPECT_EQ(U32(b, at), 40u);
  EXPECT_EQ(U32(b, at + 4), static_cast<std::uint32_t>(width));
  EXPECT_EQ(U32(b, at + 8), static_cast<std::uint32_t>(height));
  EXPECT_EQ(U16(b, at + 12), 1u) << "planes";
  EXPECT_EQ(U16(b, at + 14), 4u) << "bits per pixel";
  EXPECT_EQ(U32(b, at + 16), 0u) << "compression";
  for (int i = 0; i < 16; ++i)
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Byte(b, at + 40 + 4 * i + k), kPalette[i][k]) << "colour " << i;
  return at + 40 + 64;
}

// Reads rows of 4-bit pixels, stored bottom-up, padded to 32 bits.
Pixels ColourRows(const std::string& b, std::size_t at, int width, int height) {
  const std::size_t stride = (width * 4 + 31) / 32 * 4;
  Pixels pixels(height, std::vector<int>(width));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const unsigned byte = Byte(b, at + (height - 1 - y) * stride + x / 2);
      pixels[y][x] = x % 2 == 0 ? byte >> 4 : byte & 15;
    }
  return pixels;
}

// Reads a 1-bit mask and marks its set pixels transparent in pixels; a
// transparent pixel's colour must be black.
void ApplyMask(const std::string& b, std::size_t at, Pixels& pixels) {
  const int height = static_cast<int>(pixels.size()), width = static_cast<int>(pixels[0].size());
  const std::size_t stride = (width + 31) / 32 * 4;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (Byte(b, at + (height - 1 - y) * stride + x / 8) & (0x80u >> (x % 8))) {
        EXPECT_EQ(pixels[y][x], 0) << "colour under the mask at " << x << "," << y;
        pixels[y][x] = -1;
      }
}

Pixels DecodeBitmapFile(const std::string& b, int width, int height) {
  const std::size_t stride = (width * 4 + 31) / 32 * 4;
  EXPECT_EQ(b.substr(0, 2), "BM");
  EXPECT_EQ(b.size(), 118 + stride * height);
  EXPECT_EQ(U32(b, 2), b.size()) << "file size";
  EXPECT_EQ(U32(b, 6), 0u) << "reserved";
  EXPECT_EQ(U32(b, 10), 118u) << "pixel offset";
  EXPECT_EQ(CheckInfoAndPalette(b, 14, width, height), 118u);
  return ColourRows(b, 118, width, height);
}

Pixels DecodeIconFile(const std::string& b, int width, int height) {
  const std::size_t colour = (width * 4 + 31) / 32 * 4 * height, mask = (width + 31) / 32 * 4 * height;
  EXPECT_EQ(b.size(), 22 + 104 + colour + mask);
  EXPECT_EQ(U16(b, 0), 0u);
  EXPECT_EQ(U16(b, 2), 1u) << "type";
  EXPECT_EQ(U16(b, 4), 1u) << "count";
  EXPECT_EQ(Byte(b, 6), static_cast<unsigned>(width));
  EXPECT_EQ(Byte(b, 7), static_cast<unsigned>(height));
  EXPECT_EQ(U16(b, 8), 4u) << "planes times bits per pixel";
  EXPECT_EQ(U16(b, 10), 0u);
  EXPECT_EQ(U16(b, 12), 0u);
  EXPECT_EQ(U32(b, 14), 104 + colour + mask) << "image size";
  EXPECT_EQ(U32(b, 18), 22u) << "image offset";
  const std::size_t rows = CheckInfoAndPalette(b, 22, width, 2 * height);
  Pixels pixels = ColourRows(b, rows, width, height);
  ApplyMask(b, rows + colour, pixels);
  return pixels;
}

TEST(PictureFiles, TheThreeFilesDecodeToTheirPictures) {
  struct Case {
    const std::string& (*bytes)();
    const char* resource;
    bool icon;
    std::size_t size;
    int width, height;
  } cases[] = {
      {ToolBarBitmapFile, "TOOLBAR", false, 1198, 144, 15},
      {DocumentIconFile, "MDICHILD", true, 766, 32, 32},
      {ApplicationIconFile, "MFCVANTREL", true, 766, 32, 32},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.resource);
    const std::string& bytes = c.bytes();
    ASSERT_EQ(bytes.size(), c.size);
    EXPECT_EQ(&bytes, &c.bytes()) << "encoded once";
    const Pixels pixels = c.icon ? DecodeIconFile(bytes, c.width, c.height)
                                 : DecodeBitmapFile(bytes, c.width, c.height);
    EXPECT_EQ(pixels, ReadPicFile(c.resource));
  }
}

// Small pictures of awkward widths exercise the row padding, the order of
// the two pixels in a byte and of the bits in the mask, and the bottom-up
// rows, all of which the 144- and 32-wide pictures cannot tell apart.
TEST(PictureFiles, OddSizesArePaddedAndOrdered) {
  struct Case {
    int width, height;
    const char* data;
  } cases[] = {
      {1, 1, "9"},
      {3, 2, "1.F" "C40"},
      {9, 2, "0123456.8" "9ABCDEF.7"},
      {33, 1, "..0123456789ABCDEF0123456789ABCD."},
      {2, 3, "F." ".F" "12"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.data);
    ModulePicture picture{"TEST", c.width, c.height, true, c.data};
    Pixels expected(c.height, std::vector<int>(c.width));
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) {
        const char ch = c.data[y * c.width + x];
        expected[y][x] = ch == '.' ? -1 : std::stoi(std::string(1, ch), nullptr, 16);
      }
    EXPECT_EQ(DecodeIconFile(EncodeIconFile(picture), c.width, c.height), expected);
    // A bitmap has no mask: transparent pixels come out black.
    for (auto& row : expected)
      for (auto& pixel : row) pixel = pixel < 0 ? 0 : pixel;
    EXPECT_EQ(DecodeBitmapFile(EncodeBitmapFile(picture), c.width, c.height), expected);
  }
}

TEST(PictureFiles, WrittenLastUnderRes) {
  test::Generated out;
  test::Generate(out, test::Settings("Demo"));
  const auto& log = out.fs.CreateLog();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()),
            (std::vector<std::string>{"C:\\Work\\res\\toolbar.bmp", "C:\\Work\\res\\DemoDoc.ico",
                                      "C:\\Work\\res\\Demo.ico"}));
  EXPECT_EQ(out.Text("res\\toolbar.bmp"), ToolBarBitmapFile());
  EXPECT_EQ(out.Text("res\\DemoDoc.ico"), DocumentIconFile());
  EXPECT_EQ(out.Text("res\\Demo.ico"), ApplicationIconFile());
}

TEST(PictureFiles, APictureThatCannotBeCreatedIsReportedAndTheOthersStillWritten) {
  for (const char* refused : {"toolbar.bmp", "DemoDoc.ico", "Demo.ico"}) {
    SCOPED_TRACE(refused);
    test::Generated out;
    const std::string path = std::string("C:\\Work\\res\\") + refused;
    out.fs.RefuseCreate(path);
    test::Generate(out, test::Settings("Demo"));
    EXPECT_EQ(out.report.Errors(), std::vector<std::string>{"Cannot create file " + path});
    EXPECT_FALSE(out.report.openRequested);
    EXPECT_EQ(out.fs.Find(path), nullptr);
    for (const char* other : {"res\\toolbar.bmp", "res\\DemoDoc.ico", "res\\Demo.ico", "Demo.bpr", "stdafx.h"})
      if (path != std::string("C:\\Work\\") + other) {
        EXPECT_NE(out.fs.Find(std::string("C:\\Work\\") + other), nullptr) << other;
      }
  }
}

TEST(PictureFiles, AMissingLocationFailsOnThePicturesToo) {
  test::Generated out;
  auto settings = test::Settings("Demo", "C:\\NoSuchDir");
  out.report = GenerationRun(settings, out.fs, &out.opener, codepage::kWestern);
  const auto errors = out.report.Errors();
  ASSERT_GE(errors.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(errors.end() - 3, errors.end()),
            (std::vector<std::string>{"Cannot create file C:\\NoSuchDir\\res\\toolbar.bmp",
                                      "Cannot create file C:\\NoSuchDir\\res\\DemoDoc.ico",
                                      "Cannot create file C:\\NoSuchDir\\res\\Demo.ico"}));
  EXPECT_TRUE(out.opener.calls.empty());
}

}  // namespace
}  // namespace vantrel
