#pragma once

#include <FL/Enumerations.H>

#include "platform/toolkit/Types.h"

namespace vantrel::fltk {

// Selects the font a form description names for drawing: Arial through
// Liberation Sans, its metric-compatible face, and "MS Sans Serif" through
// the same family, at the character height in pixels.
void UseFont(const TFont& font);

// The FLTK face of a font (registered on first use).
Fl_Font FaceOf(const TFont& font);

}  // namespace vantrel::fltk
