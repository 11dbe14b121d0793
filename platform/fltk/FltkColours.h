#pragma once

#include <FL/Enumerations.H>

namespace vantrel::fltk {

// The colours of the classic desktop, as FLTK colours (0xRRGGBB00).
inline constexpr Fl_Color kButtonFace = 0xC0C0C000;
inline constexpr Fl_Color kWindowText = 0x00000000;
inline constexpr Fl_Color kWindowBackground = 0xFFFFFF00;
inline constexpr Fl_Color kSelection = 0x00008000;

}  // namespace vantrel::fltk
