// The module's pictures as Windows resources: bitmaps (RT_BITMAP) and icons
// (RT_GROUP_ICON with one RT_ICON image each), all 4 bits per pixel in the
// standard palette, decoded into the pixel form the rest of the program
// uses. A bitmap may be compressed (BI_RLE4, see Rle4.h). They are read from
// this module's own handle, never the host's.

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "platform/resources/ModulePicture.h"
#include "platform/resources/PictureText.h"
#include "platform/resources/Rle4.h"
#include "platform/resources/Win32Module.h"

namespace vantrel {
namespace {

constexpr char kPixelCharacters[] = "0123456789ABCDEF";

std::uint32_t RowBytes(LONG width, int bitsPerPixel) {
  return (static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitsPerPixel) + 31) / 32 * 4;
}

// The pixels of a 4-bit device-independent bitmap, rows top first. An
// icon's image holds the colour rows and then the transparency mask, and its
// header counts both in its height; a bitmap's rows may be compressed.
// Empty when the image is not of that form.
std::string DecodePixels(std::string_view dib, bool icon, int& width, int& height) {
  BITMAPINFOHEADER header{};
  if (dib.size() < sizeof header) return {};
  std::memcpy(&header, dib.data(), sizeof header);
  const bool compressed = !icon && header.biCompression == BI_RLE4;
  if (header.biBitCount != 4 || (header.biCompression != BI_RGB && !compressed) || header.biWidth <= 0 ||
      header.biHeight <= 0 || header.biWidth > kMaxPictureSide || header.biHeight > 2 * kMaxPictureSide)
    return {};
  width = static_cast<int>(header.biWidth);
  height = static_cast<int>(icon ? header.biHeight / 2 : header.biHeight);
  const std::size_t colours = header.biClrUsed != 0 ? header.biClrUsed : 16;
  const std::size_t colourStart = header.biSize + colours * sizeof(RGBQUAD);
  if (compressed) {
    if (dib.size() < colourStart) return {};
    return rle4::Decode(dib.substr(colourStart), width, height).value_or(std::string());
  }
  const std::size_t colourRow = RowBytes(width, 4);
  const std::size_t maskStart = colourStart + colourRow * static_cast<std::size_t>(height);
  const std::size_t maskRow = RowBytes(width, 1);
  if (dib.size() < maskStart + (icon ? maskRow * static_cast<std::size_t>(height) : 0)) return {};

  std::string pixels;
  pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const std::size_t bottomUp = static_cast<std::size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const auto pair = static_cast<unsigned char>(dib[colourStart + bottomUp * colourRow + x / 2]);
      const int index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
      bool transparent = false;
      if (icon) {
        const auto mask = static_cast<unsigned char>(dib[maskStart + bottomUp * maskRow + x / 8]);
        transparent = ((mask >> (7 - x % 8)) & 1) != 0;
      }
      pixels += transparent ? '.' : kPixelCharacters[index];
    }
  }
  return pixels;
}

// Every picture of the module, decoded once. The names and pixels live in
// deques, which never move what they hold, so the pictures may view them.
struct Pictures {
  std::deque<std::string> texts;
  std::vector<ModulePicture> all;

  void Add(const char* name, bool icon) {
    ModulePicture picture;
    const std::string pixels =
        DecodePixels(icon ? ModuleIconImage(name) : ModuleResource(name, RT_BITMAP), icon, picture.width, picture.height);
    if (pixels.empty()) return;
    picture.name = texts.emplace_back(name);
    picture.data = texts.emplace_back(pixels);
    picture.icon = icon;
    all.push_back(picture);
  }

  Pictures() {
    for (LPCSTR type : {RT_BITMAP, RT_GROUP_ICON})
      EnumResourceNamesA(ThisModule(), type, &Pictures::Found, reinterpret_cast<LONG_PTR>(this));
    std::sort(all.begin(), all.end(), [](const ModulePicture& a, const ModulePicture& b) { return a.name < b.name; });
  }

  static BOOL CALLBACK Found(HMODULE, LPCSTR type, LPSTR name, LONG_PTR self) {
    // Pictures are named; numbered resources are not the module's pictures.
    if (!IS_INTRESOURCE(name)) reinterpret_cast<Pictures*>(self)->Add(name, type == RT_GROUP_ICON);
    return TRUE;
  }
};

const Pictures& ThePictures() {
  static const Pictures pictures;
  return pictures;
}

const ModulePicture* Find(std::string_view name, bool icon) {
  for (const auto& picture : ThePictures().all)
    if (picture.name == name && picture.icon == icon) return &picture;
  return nullptr;
}

}  // namespace

const ModulePicture* FindModuleBitmap(std::string_view name) { return Find(name, false); }

const ModulePicture* FindModuleIcon(std::string_view name) { return Find(name, true); }

std::span<const ModulePicture> ModulePictures() { return ThePictures().all; }

}  // namespace vantrel
