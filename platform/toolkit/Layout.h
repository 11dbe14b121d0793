#pragma once

#include <string>

namespace vantrel {

class TControl;
class TWinControl;

// A rectangle in the window's pixels.
struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

// Where a control lies in its form's window, for every backend and for the
// tests that click on it. Places are relative to the parent's client area;
// a tab sheet's client area is the inside of its page control, below the
// tabs when any is shown.
Rect PlaceOf(const TControl& control);
// The origin of the client area in which a control's children are placed.
void ClientOrigin(const TWinControl& control, int& x, int& y);

// The height of a page control's row of tabs.
inline constexpr int kTabHeight = 20;

// The caption without its access-key markers ("&Next >" gives "Next >").
std::string PlainCaption(const std::string& caption);

}  // namespace vantrel
