#include "wizard/DrawPicture.h"

#include "platform/toolkit/Bitmap.h"
#include "platform/toolkit/Image.h"

namespace vantrel {

void DrawPicture(TImage& picture, const std::string& resourceName) {
  TBitmap bitmap;
  bitmap.LoadFromResourceName(resourceName);
  picture.Canvas().Draw(0, 0, bitmap);
  picture.Invalidate();
}

}  // namespace vantrel
