#include "generator/DeviceIndependentBitmap.h"

#include "generator/LittleEndian.h"
#include "platform/resources/Palette.h"

namespace vantrel::dib {

std::uint32_t RowBytes(int width, int bitsPerPixel) {
  return (static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitsPerPixel) + 31) / 32 * 4;
}

void PutInfoHeader(std::string& out, int width, int height, std::uint32_t imageBytes, Compression compression) {
  le::Put32(out, kInfoHeaderSize);
  le::Put32(out, static_cast<std::uint32_t>(width));
  le::Put32(out, static_cast<std::uint32_t>(height));
  le::Put16(out, 1);  // Planes.
  le::Put16(out, 4);  // Bits per pixel.
  le::Put32(out, static_cast<std::uint32_t>(compression));
  le::Put32(out, imageBytes);
  le::Put32(out, 0);  // Horizontal and vertical resolution: not given.
  le::Put32(out, 0);
  le::Put32(out, 0);  // Colours used: 0 means the whole table.
  le::Put32(out, 0);  // Colours important: all of them.
}

void PutColourTable(std::string& out) {
  for (const auto& colour : kStandardPalette) {
    le::Put8(out, colour.blue);
    le::Put8(out, colour.green);
    le::Put8(out, colour.red);
    le::Put8(out, 0);
  }
}

void PutColourRows(std::string& out, const ModulePicture& picture) {
  const std::uint32_t rowBytes = RowBytes(picture.width, 4);
  for (int y = picture.height - 1; y >= 0; --y) {
    std::string row(rowBytes, '\0');
    for (int x = 0; x < picture.width; ++x) {
      const int index = picture.Pixel(x, y);
      const auto nibble = static_cast<unsigned>(index == ModulePicture::kTransparent ? 0 : index);
      auto& byte = reinterpret_cast<unsigned char&>(row[static_cast<std::size_t>(x / 2)]);
      byte = static_cast<unsigned char>(byte | (x % 2 == 0 ? nibble << 4 : nibble));
    }
    out += row;
  }
}

void PutMaskRows(std::string& out, const ModulePicture& picture) {
  const std::uint32_t rowBytes = RowBytes(picture.width, 1);
  for (int y = picture.height - 1; y >= 0; --y) {
    std::string row(rowBytes, '\0');
    for (int x = 0; x < picture.width; ++x) {
      if (picture.Pixel(x, y) != ModulePicture::kTransparent) continue;
      auto& byte = reinterpret_cast<unsigned char&>(row[static_cast<std::size_t>(x / 8)]);
      byte = static_cast<unsigned char>(byte | (0x80u >> (x % 8)));
    }
    out += row;
  }
}

}  // namespace vantrel::dib
