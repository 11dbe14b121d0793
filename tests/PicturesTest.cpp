#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>

#include "platform/resources/ModulePicture.h"
#include "platform/resources/PictureText.h"
#include "platform/resources/Rle4.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

// Every picture the program names is carried as its kind, and found only
// as that kind and by its exact name.
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
    const std::string error = test::ErrorOf<std::runtime_error>([&] { ParsePictureText(c.text); });
    EXPECT_TRUE(error.starts_with(c.message)) << c.text << ": " << error;
  }
}

TEST(PictureText, ResourceNames) {
  for (const char* name : {"TOOLBAR", "3DCTRL", "STEP5_NODOC", "A"}) EXPECT_TRUE(IsPictureName(name)) << name;
  for (const char* name : {"", "toolbar", "STEP-5", "A B", "A.B"}) EXPECT_FALSE(IsPictureName(name)) << name;
}

std::string Bytes(std::initializer_list<int> bytes) {
  std::string out;
  for (int b : bytes) out += static_cast<char>(b);
  return out;
}

// Malformed compressed data is refused, not read past its end. (Every real
// picture decodes and draws as its pixels: ModuleResources, on Windows.)
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
