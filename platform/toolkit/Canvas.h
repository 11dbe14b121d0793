#pragma once

#include <string>

#include "platform/toolkit/Types.h"

namespace vantrel {

class TBitmap;

// The drawing surface of a picture control, of the control's size. It
// remembers the name of the bitmap drawn last, which is what the picture
// shows.
class TCanvas {
 public:
  void Resize(int width, int height);
  // Draws the bitmap with its top-left corner at (x, y), clipped to the
  // canvas.
  void Draw(int x, int y, const TBitmap& bitmap);

  const Pixmap& Pixels() const { return pixels_; }
  const std::string& LastDrawn() const { return lastDrawn_; }
  // Counts the changes of the pixels, so that a backend copies them only
  // when they changed.
  unsigned Version() const { return version_; }

 private:
  unsigned version_ = 0;
  Pixmap pixels_;
  std::string lastDrawn_;
};

}  // namespace vantrel
