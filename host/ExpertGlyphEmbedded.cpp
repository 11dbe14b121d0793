#include "host/ExpertGlyph.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/resources/ModulePicture.h"
#include "platform/resources/Palette.h"

namespace vantrel::host {
namespace {

struct Glyph {
  HostIcon icon{};
  std::vector<std::uint32_t> pixels;
};

std::unique_ptr<Glyph> MakeGlyph(const ModulePicture& picture) {
  auto glyph = std::make_unique<Glyph>();
  glyph->pixels.reserve(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const int index = picture.Pixel(x, y);
      if (index == ModulePicture::kTransparent) {
        glyph->pixels.push_back(0);
        continue;
      }
      const PaletteColour& c = kStandardPalette[static_cast<std::size_t>(index)];
      glyph->pixels.push_back(0xFF000000u | (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) |
                              std::uint32_t{c.blue});
    }
  glyph->icon = {picture.width, picture.height, glyph->pixels.data()};
  return glyph;
}

}  // namespace

HostIconHandle ExpertGlyph(std::string_view iconName) {
  // The host calls on its user-interface thread only; the cache needs no lock.
  static std::map<std::string, std::unique_ptr<Glyph>, std::less<>> glyphs;
  if (auto found = glyphs.find(iconName); found != glyphs.end()) return &found->second->icon;
  const ModulePicture* picture = FindModuleIcon(iconName);
  if (picture == nullptr) return nullptr;
  auto& slot = glyphs[std::string(iconName)];
  slot = MakeGlyph(*picture);
  return &slot->icon;
}

}  // namespace vantrel::host
