// The picture files of a project, read from the module's own resources: a
// bitmap resource is the bitmap file without its 14-byte header, an icon's
// image is the icon file without its 22-byte header and directory. Putting
// those headers back gives the bytes of the files the module was built
// from, which are the ones the Linux build writes.

#include <windows.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "generator/PictureFileBytes.h"
#include "generator/PictureFiles.h"
#include "platform/resources/ModulePicture.h"
#include "platform/resources/Win32Module.h"

namespace vantrel {
namespace {

// The BITMAPINFOHEADER at the start of a bitmap resource or icon image, or
// a zero one when the bytes are too short to hold it.
BITMAPINFOHEADER InfoHeader(std::string_view dib) {
  BITMAPINFOHEADER header{};
  if (dib.size() >= sizeof header) std::memcpy(&header, dib.data(), sizeof header);
  return header;
}

std::string BitmapFile(const std::string& name) {
  const std::string_view dib = ModuleResource(name.c_str(), RT_BITMAP);
  const BITMAPINFOHEADER header = InfoHeader(dib);
  if (header.biSize == 0) return {};
  const std::uint32_t colours = header.biClrUsed != 0 ? header.biClrUsed : 1u << header.biBitCount;
  const auto rowsOffset = static_cast<std::uint32_t>(header.biSize + colours * sizeof(RGBQUAD));
  return BitmapFileHeader(static_cast<std::uint32_t>(dib.size()), rowsOffset) + std::string(dib);
}

std::string IconFile(const std::string& name) {
  const std::string_view image = ModuleIconImage(name.c_str());
  const BITMAPINFOHEADER header = InfoHeader(image);
  if (header.biSize == 0) return {};
  // The image's height counts the colour rows and the mask rows together.
  return IconFileHeader(static_cast<int>(header.biWidth), static_cast<int>(header.biHeight / 2),
                        static_cast<std::uint32_t>(image.size())) +
         std::string(image);
}

// Every picture of the module as a file, made once on first use.
using Files = std::map<std::pair<std::string, bool>, std::string, std::less<>>;

const Files& TheFiles() {
  static const Files files = [] {
    Files made;
    for (const auto& picture : ModulePictures()) {
      const std::string name(picture.name);
      made[{name, picture.icon}] = picture.icon ? IconFile(name) : BitmapFile(name);
    }
    return made;
  }();
  return files;
}

}  // namespace

std::string_view PictureFileBytes(const PictureFile& file) {
  const auto found = TheFiles().find(std::pair(std::string(file.resource), file.icon));
  return found != TheFiles().end() ? std::string_view(found->second) : std::string_view();
}

}  // namespace vantrel
