// The compressed form of the pictures that only the dialogs show: what is
// compressed decodes to the same pixels, the data is laid out as Windows
// reads it, and malformed data is refused rather than read past its end.

#include <gtest/gtest.h>

#include <string>

#include "platform/resources/ModulePicture.h"
#include "platform/resources/Rle4.h"

namespace vantrel {
namespace {

ModulePicture Bitmap(int width, int height, std::string_view data) { return {"TEST", width, height, false, data}; }

std::string Bytes(std::initializer_list<int> bytes) {
  std::string out;
  for (int b : bytes) out += static_cast<char>(b);
  return out;
}

TEST(Rle4, RowsOfEveryShapeComeBack) {
  const std::string noise = [] {
    std::string s;
    for (int i = 0; i < 600; ++i) s += "0123456789ABCDEF"[(i * 7 + i / 3) % 16];
    return s;
  }();
  const struct {
    const char* what;
    int width, height;
    std::string data;
  } cases[] = {
      {"one pixel", 1, 1, "F"},
      {"two colours alternating", 9, 1, "A5A5A5A5A"},
      {"three pixels given", 3, 2, "123321"},
      {"given pixels padded", 14, 1, "1F2E3D4C5B6A79"},
      {"a run longer than one count", 300, 2, std::string(300, '7') + std::string(300, 'C')},
      {"given pixels longer than one count", 600, 1, noise},
      {"runs and given pixels mixed", 12, 2, "000012345FFF" "A0A0A0A77777"},
  };
  for (const auto& c : cases) {
    const std::string data = rle4::Encode(Bitmap(c.width, c.height, c.data));
    EXPECT_EQ(rle4::Decode(data, c.width, c.height), c.data) << c.what;
  }
  // The module's own bitmaps come back on Windows (ModuleResources); the
  // large pictures of the dialogs shrink to well under half.
  const ModulePicture& large = *FindModuleBitmap("NEWPROJECT");
  EXPECT_LT(rle4::Encode(large).size() * 3, static_cast<std::size_t>(large.width * large.height / 2));
}

TEST(Rle4, LaysOutRunsAsWindowsReadsThem) {
  // Bottom row first: a run of seven 7s; then the top row's seven pixels
  // given one by one, and the end.
  EXPECT_EQ(rle4::Encode(Bitmap(7, 2, "1234567" "7777777")),
            Bytes({7, 0x77, 0, 0, 0, 7, 0x12, 0x34, 0x56, 0x70, 0, 1}));
  EXPECT_EQ(rle4::Encode(Bitmap(11, 1, "123456789AB")), Bytes({0, 11, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xB0, 0, 1}));
  EXPECT_EQ(rle4::Encode(Bitmap(3, 1, "9A9")), Bytes({3, 0x9A, 0, 1}));

  // A move skips pixels, which stay 0, and so does a row ended early.
  EXPECT_EQ(rle4::Decode(Bytes({0, 2, 1, 1, 2, 0xFF, 0, 0, 1, 0x55, 0, 1}), 3, 3), "5000FF000");
}

TEST(Rle4, RefusesMalformedData) {
  const struct {
    const char* what;
    std::string data;
  } cases[] = {
      {"nothing", ""},
      {"no end of the bitmap", Bytes({4, 0x11, 0, 0})},
      {"a run past the row's end", Bytes({5, 0x11, 0, 1})},
      {"given pixels past the row's end", Bytes({0, 5, 0x12, 0x34, 0x50, 0, 0, 1})},
      {"given pixels cut short", Bytes({0, 4, 0x12})},
      {"a row above the top", Bytes({4, 0x11, 0, 0, 4, 0x11, 0, 0, 1, 0x11, 0, 1})},
      {"a move past the right edge", Bytes({0, 2, 5, 0, 0, 1})},
      {"a move above the top", Bytes({0, 2, 0, 2, 0, 1})},
      {"a move cut short", Bytes({0, 2, 1})},
  };
  for (const auto& c : cases) EXPECT_EQ(rle4::Decode(c.data, 4, 2), std::nullopt) << c.what;
}

}  // namespace
}  // namespace vantrel
