#pragma once

#include <map>

namespace vantrel {
class TControl;
class TWinControl;
}  // namespace vantrel

namespace vantrel::fltk {

// What the window adds to the controls' own state while painting: the first
// item shown by each scrolled list and the button held down by the mouse.
struct ViewState {
  std::map<const TControl*, int> topItem;
  const TControl* pressed = nullptr;
};

// Paints root's showing children, and theirs, in the classic 3D style.
void PaintChildren(const TWinControl& root, const ViewState& view);

// The colours of the classic desktop.
inline constexpr unsigned kButtonFace = 0xC0C0C000;
inline constexpr unsigned kShadow = 0x80808000;
inline constexpr unsigned kHighlight = 0xFFFFFF00;
inline constexpr unsigned kDarkShadow = 0x00000000;
inline constexpr unsigned kSelection = 0x00008000;

}  // namespace vantrel::fltk
