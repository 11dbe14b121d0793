#include "platform/toolkit/Image.h"

namespace vantrel {

TImage::TImage(TComponent* owner) : TControl(owner, ControlKind::Image) {}

TCanvas& TImage::Canvas() {
  // The canvas follows the control's size when code draws on it.
  canvas_.Resize(Bounds().Width, Bounds().Height);
  return canvas_;
}

}  // namespace vantrel
