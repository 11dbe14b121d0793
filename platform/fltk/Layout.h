#pragma once

#include <string>
#include <vector>

#include "platform/toolkit/Types.h"

namespace vantrel {
class TControl;
class TWinControl;
class TPageControl;
class TListBox;
}  // namespace vantrel

namespace vantrel::fltk {

// A rectangle in the window's pixels.
struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

// Where a control lies in its form's window. Places are relative to the
// parent's client area; a tab sheet's client area is the inside of its page
// control, below the tabs when any is shown.
Rect PlaceOf(const TControl& control);
// The origin of the client area in which a control's children are placed.
void ClientOrigin(const TWinControl& control, int& x, int& y);

// The visible tabs of a page control: the page index of each and its rect.
struct Tab {
  int page;
  Rect rect;
};
std::vector<Tab> TabsOf(const TPageControl& pages);
inline constexpr int kTabHeight = 20;

// The height of one item of a list in its font.
int ItemHeight(const TControl& list);
// How many items fit in the list.
int VisibleItems(const TControl& list);

// The caption without its access-key markers ("&Next >" gives "Next >"),
// and the position of the underlined character in the result, or -1.
std::string PlainCaption(const std::string& caption, int* underline = nullptr);

// The deepest showing control under (x, y) inside root, or root.
TControl* ControlAt(TWinControl& root, int x, int y);

}  // namespace vantrel::fltk
