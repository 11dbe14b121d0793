// The Windows module's pictures are its resources: each decodes to exactly
// the pixels of its source in resources/, and the expert's glyph is an icon
// handle of the system.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "host/ExpertGlyph.h"
#include "platform/resources/ModulePicture.h"
#include "platform/resources/PictureText.h"

namespace vantrel {
namespace {

TEST(ModuleResources, EveryPictureDecodesToThePixelsOfItsSource) {
  std::size_t sources = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VANTREL_SOURCE_DIR "/resources")) {
    if (entry.path().extension() != ".pic") continue;
    ++sources;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const PictureText source = ParsePictureText(text.str());
    const std::string name = entry.path().stem().string();
    const ModulePicture* picture = source.icon ? FindModuleIcon(name) : FindModuleBitmap(name);
    ASSERT_NE(picture, nullptr) << name;
    EXPECT_EQ(std::tuple(picture->width, picture->height), std::tuple(source.width, source.height)) << name;
    EXPECT_EQ(picture->data, source.data) << name;
  }
  EXPECT_GT(sources, 0u);
  EXPECT_EQ(ModulePictures().size(), sources);
}

TEST(ModuleResources, TheGlyphIsALargeIconOfTheModule) {
  const HICON glyph = host::ExpertGlyph("MFCVANTREL");
  ASSERT_NE(glyph, nullptr);
  EXPECT_EQ(host::ExpertGlyph("MFCVANTREL"), glyph);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(glyph, &info));
  BITMAP colour{};
  ASSERT_NE(info.hbmColor, nullptr);
  ASSERT_TRUE(GetObjectA(info.hbmColor, sizeof colour, &colour));
  EXPECT_EQ(std::tuple(colour.bmWidth, colour.bmHeight), std::tuple(32L, 32L));
  EXPECT_TRUE(info.fIcon);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_EQ(host::ExpertGlyph("NOSUCHICON"), nullptr);
}

}  // namespace
}  // namespace vantrel
