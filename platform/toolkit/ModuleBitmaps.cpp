#include "platform/toolkit/ModuleBitmaps.h"

#include <utility>

#include "platform/resources/ModulePicture.h"
#include "platform/resources/Palette.h"

namespace vantrel {
namespace {

// The module's own pictures, turned into pixels.
std::optional<Pixmap> FromModule(std::string_view name) {
  const ModulePicture* picture = FindModuleBitmap(name);
  if (picture == nullptr) return std::nullopt;
  Pixmap pixmap{picture->width, picture->height, {}};
  pixmap.Pixels.reserve(static_cast<std::size_t>(picture->width) * picture->height);
  for (int y = 0; y < picture->height; ++y) {
    for (int x = 0; x < picture->width; ++x) {
      const int index = picture->Pixel(x, y);
      const PaletteColour colour = kStandardPalette[index < 0 ? 15 : index];
      pixmap.Pixels.push_back(0xFF000000u | (std::uint32_t{colour.red} << 16) |
                              (std::uint32_t{colour.green} << 8) | colour.blue);
    }
  }
  return pixmap;
}

BitmapSource& Source() {
  static BitmapSource source = FromModule;
  return source;
}

}  // namespace

void SetModuleBitmapSource(BitmapSource source) {
  Source() = source ? std::move(source) : BitmapSource(FromModule);
}

Pixmap LoadModuleBitmap(std::string_view name) {
  std::optional<Pixmap> pixels = Source()(name);
  if (!pixels) throw ResourceNotFound(std::string(name));
  return std::move(*pixels);
}

}  // namespace vantrel
