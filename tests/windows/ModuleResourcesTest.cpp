// The Windows module's pictures: each decodes to its source's pixels, the
// compressed ones draw the same through the system, and the glyph is an icon.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "host/ExpertGlyph.h"
#include "platform/resources/ModulePicture.h"
#include "platform/resources/Palette.h"
#include "platform/resources/PictureText.h"
#include "platform/resources/Win32Module.h"

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

// The pictures only the dialogs show are compressed, and the system draws
// each with exactly the colours of its pixels.
TEST(ModuleResources, CompressedBitmapsDrawAsTheirPixels) {
  int compressed = 0;
  for (const auto& picture : ModulePictures()) {
    if (picture.icon) continue;
    const std::string name(picture.name);
    const std::string_view dib = ModuleResource(name.c_str(), RT_BITMAP);
    ASSERT_GE(dib.size(), sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD)) << name;
    const auto* info = reinterpret_cast<const BITMAPINFO*>(dib.data());
    EXPECT_EQ(info->bmiHeader.biCompression, name == "TOOLBAR" ? DWORD{BI_RGB} : DWORD{BI_RLE4}) << name;
    if (info->bmiHeader.biCompression != BI_RLE4) continue;
    ++compressed;

    BITMAPINFO screen{};
    screen.bmiHeader = {sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateDIBSection(dc, &screen, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(target, nullptr) << name;
    HGDIOBJ old = SelectObject(dc, target);
    EXPECT_EQ(SetDIBitsToDevice(dc, 0, 0, picture.width, picture.height, 0, 0, 0, picture.height,
                                dib.data() + info->bmiHeader.biSize + 16 * sizeof(RGBQUAD), info, DIB_RGB_COLORS),
              picture.height)
        << name;
    GdiFlush();
    const auto* drawn = static_cast<const std::uint32_t*>(bits);
    int wrong = 0;
    for (int y = 0; y < picture.height; ++y)
      for (int x = 0; x < picture.width; ++x) {
        const PaletteColour c = kStandardPalette[static_cast<std::size_t>(picture.Pixel(x, y))];
        const std::uint32_t expected = std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue;
        wrong += (drawn[y * picture.width + x] & 0xFFFFFF) != expected;
      }
    EXPECT_EQ(wrong, 0) << name;
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
  }
  EXPECT_EQ(compressed, 10);
}

TEST(ModuleResources, TheGlyphIsALargeIconOfTheModule) {
  const HICON glyph = host::ExpertGlyph("MFCVANTREL");
  ASSERT_NE(glyph, nullptr);
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
