#include "platform/toolkit/Layout.h"

#include "platform/toolkit/PageControl.h"
#include "platform/toolkit/TabSheet.h"
#include "platform/toolkit/WinControl.h"

namespace vantrel {
namespace {

// The border of a page control around its pages.
constexpr int kPageInset = 4;

}  // namespace

void ClientOrigin(const TWinControl& control, int& x, int& y) {
  if (control.Kind() == ControlKind::Form) {
    x = y = 0;
    return;
  }
  if (control.Kind() == ControlKind::TabSheet && control.Parent() != nullptr) {
    const auto* pages = dynamic_cast<const TPageControl*>(control.Parent());
    const Rect place = PlaceOf(*control.Parent());
    x = place.x + kPageInset;
    y = place.y + kPageInset + (pages != nullptr && pages->TabsShown() ? kTabHeight : 0);
    return;
  }
  const Rect place = PlaceOf(control);
  x = place.x;
  y = place.y;
}

Rect PlaceOf(const TControl& control) {
  const TBounds& b = control.Bounds();
  if (control.Kind() == ControlKind::Form) return {0, 0, b.Width, b.Height};
  const TWinControl* parent = control.Parent();
  if (parent == nullptr) return {b.Left, b.Top, b.Width, b.Height};
  if (control.Kind() == ControlKind::TabSheet) {
    int x = 0, y = 0;
    ClientOrigin(static_cast<const TWinControl&>(control), x, y);
    const Rect pages = PlaceOf(*parent);
    return {x, y, pages.x + pages.w - kPageInset - x, pages.y + pages.h - kPageInset - y};
  }
  int x = 0, y = 0;
  ClientOrigin(*parent, x, y);
  return {x + b.Left, y + b.Top, b.Width, b.Height};
}

std::string PlainCaption(const std::string& caption) {
  std::string plain;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    plain += caption[i];
  }
  return plain;
}

}  // namespace vantrel
