#pragma once

#include <string>

namespace vantrel {

class TImage;

// Loads the named bitmap from the module's resources, draws it at the
// top-left corner of the picture's canvas and has the picture repaint.
void DrawPicture(TImage& picture, const std::string& resourceName);

}  // namespace vantrel
