#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace vantrel {

// A picture carried as a resource of the module itself: the tool bar bitmap,
// the two icons and the pictures the dialogs show. Every pixel is an index
// into the standard 16-colour palette (see Palette.h); icons may also have
// transparent pixels. The data is checked when the module is built, so a
// picture that is found always has width * height valid pixels.
struct ModulePicture {
  // What Pixel returns for a transparent pixel of an icon.
  static constexpr int kTransparent = -1;

  std::string_view name;  // The resource name, "TOOLBAR", "MDICHILD"...
  int width = 0;
  int height = 0;
  bool icon = false;  // Icons may hold transparent pixels, bitmaps never do.
  // One character per pixel, rows top to bottom, no row separators:
  // '0'-'9' and 'A'-'F' are palette indices, '.' is transparent.
  std::string_view data;

  // The palette index (0 to 15) of the pixel at column x, row y counted from
  // the top, or kTransparent. x and y must lie inside the picture.
  int Pixel(int x, int y) const {
    const char c = data[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                        static_cast<std::size_t>(x)];
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return kTransparent;
  }
};

// The bitmap resource of that name ("TOOLBAR", "NEWPROJECT", "BACKIMAGE",
// "FINALIMAGE", "MDI", "SDI", "STEP2IMAGE", "INTERFACE", "STEP5_DOC",
// "STEP5_NODOC", "3DCTRL"), or null when the module has none. Names are
// compared exactly.
const ModulePicture* FindModuleBitmap(std::string_view name);

// The icon resource of that name ("MDICHILD", "MFCVANTREL"), or null.
const ModulePicture* FindModuleIcon(std::string_view name);

// Every picture of the module, bitmaps and icons, sorted by name.
std::span<const ModulePicture> ModulePictures();

}  // namespace vantrel
