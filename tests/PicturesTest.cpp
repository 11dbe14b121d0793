#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>

#include "platform/resources/ModulePicture.h"
#include "platform/resources/PictureText.h"
#include "platform/resources/Rle4.h"

namespace vantrel {
namespace {

// Every picture the program names is carried as its kind, and found only
// as that kind and by its exact name. (The build checks each one's size:
// platform/resources/tools/EmbedPictures.cpp.)
TEST(Pictures, EveryPictureTheProgramNamesIsCarried) {
  for (const char* name : {"MDICHILD", "MFCVANTREL"}) {
    EXPECT_NE(FindModuleIcon(name), nullptr) << name;
    EXPECT_EQ(FindModuleBitmap(name), nullptr) << name;
  }
  for (const char* name : {"TOOLBAR", "NEWPROJECT", "BACKIMAGE", "FINALIMAGE", "MDI", "SDI", "STEP2IMAGE",
                           "INTERFACE", "STEP5_DOC", "STEP5_NODOC", "3DCTRL"}) {
    EXPECT_NE(FindModuleBitmap(name), nullptr) << name;
    EXPECT_EQ(FindModuleIcon(name), nullptr) << name;
  }
  for (const char* name : {"toolbar", "TOOLBAR ", "", "STEP5", "mdichild"})
    EXPECT_FALSE(FindModuleBitmap(name) || FindModuleIcon(name)) << name;
}

TEST(PictureText, ReadsRowsAfterCommentsAndHeader) {
  const auto icon = ParsePictureText("# a comment\n# another\nicon 3 2\r\n0A.\r\nF9.\n\n");
  EXPECT_EQ(std::tuple(icon.icon, icon.width, icon.height, icon.data), std::tuple(true, 3, 2, "0A.F9."));
  const auto bitmap = ParsePictureText("bitmap 1 1\n7");
  EXPECT_EQ(std::tuple(bitmap.icon, bitmap.width, bitmap.height, bitmap.data), std::tuple(false, 1, 1, "7"));
}

TEST(PictureText, RefusesMalformedPicturesNamingTheLine) {
  const struct {
    const char *text, *message;
  } cases[] = {
      {"", "line 1: no header line"},
      {"# only a comment\n", "line 2: no header line"},
      {"picture 1 1\n0\n", "line 1: the header must read"},
      {"bitmap 1\n0\n", "line 1: the header must read"},
      {"bitmap  1 1\n0\n", "line 1: the header must read"},
      {"bitmap 0 1\n\n", "line 1: bad size \"0\""},
      {"bitmap 2x 1\n00\n", "line 1: bad size \"2x\""},
      {"bitmap 1 2049\n", "line 1: bad size \"2049\""},
      {"bitmap 2 2\n00\n", "line 3: only 1 of 2 rows"},
      {"bitmap 2 2\n00\n0\n", "line 3: row of 1 pixels, expected 2"},
      {"bitmap 2 1\n000\n", "line 2: row of 3 pixels, expected 2"},
      {"bitmap 2 1\n0.\n", "line 2: column 2: '.' is not a pixel of a bitmap"},
      {"icon 2 1\n0a\n", "line 2: column 2: 'a' is not a pixel of an icon"},
      {"bitmap 1 1\n0\n\n# late comment\n", "line 4: more rows than the height"},
  };
  for (const auto& c : cases) {
    try {
      ParsePictureText(c.text);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()).rfind(c.message, 0), 0u) << error.what();
    }
  }
}

TEST(PictureText, ResourceNames) {
  for (const char* name : {"TOOLBAR", "3DCTRL", "STEP5_NODOC", "A"}) EXPECT_TRUE(IsPictureName(name)) << name;
  for (const char* name : {"", "toolbar", "STEP-5", "A B", "A.B"}) EXPECT_FALSE(IsPictureName(name)) << name;
}

// The compressed form of the pictures that only the dialogs show: what is
// compressed decodes to the same pixels, the data is laid out as Windows
// reads it, and malformed data is refused rather than read past its end.

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
