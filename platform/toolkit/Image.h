#pragma once

#include <string>

#include "platform/toolkit/Canvas.h"
#include "platform/toolkit/Control.h"

namespace vantrel {

// A picture control with a canvas that code draws on.
class TImage : public TControl {
 public:
  explicit TImage(TComponent* owner);

  TCanvas& Canvas();
  const TCanvas& Canvas() const { return canvas_; }
  // The name of the bitmap the picture shows, or "" for none.
  const std::string& PictureName() const { return canvas_.LastDrawn(); }
  // Asks for a repaint of what the canvas holds.
  void Invalidate() { Changed(); }

 private:
  TCanvas canvas_;
};

}  // namespace vantrel
