#include "platform/toolkit/Bitmap.h"

#include "platform/toolkit/ModuleBitmaps.h"

namespace vantrel {

void TBitmap::LoadFromResourceName(const std::string& name) {
  std::optional<Pixmap> pixels = LoadModuleBitmap(name);
  name_ = name;
  pixels_ = pixels ? std::move(*pixels) : Pixmap{};
}

}  // namespace vantrel
