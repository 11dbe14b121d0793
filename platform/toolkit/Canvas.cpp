#include "platform/toolkit/Canvas.h"

#include <algorithm>

#include "platform/toolkit/Bitmap.h"

namespace vantrel {

void TCanvas::Resize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == pixels_.Width && height == pixels_.Height) return;
  ++version_;
  // The canvas starts white, like a fresh picture.
  pixels_ = Pixmap{width, height,
                   std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, 0xFFFFFFFFu)};
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  const Pixmap& source = bitmap.Pixels();
  for (int row = 0; row < source.Height; ++row) {
    const int ty = y + row;
    if (ty < 0 || ty >= pixels_.Height) continue;
    for (int col = 0; col < source.Width; ++col) {
      const int tx = x + col;
      if (tx < 0 || tx >= pixels_.Width) continue;
      pixels_.Pixels[static_cast<std::size_t>(ty) * pixels_.Width + tx] =
          source.Pixels[static_cast<std::size_t>(row) * source.Width + col];
    }
  }
  lastDrawn_ = bitmap.ResourceName();
  ++version_;
}

}  // namespace vantrel
