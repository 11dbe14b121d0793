#include "platform/toolkit/Bitmap.h"

#include "platform/toolkit/ModuleBitmaps.h"

namespace vantrel {

void TBitmap::LoadFromResourceName(const std::string& name) {
  // Loaded first, so that a missing resource leaves the bitmap as it was.
  pixels_ = LoadModuleBitmap(name);
  name_ = name;
}

}  // namespace vantrel
