#include "platform/fltk/Layout.h"

#include <FL/fl_draw.H>

// X11 defines None as a macro, which the toolkit's enumerations also use.
#undef None

#include "platform/fltk/FltkFonts.h"
#include "platform/toolkit/PageControl.h"
#include "platform/toolkit/TabSheet.h"
#include "platform/toolkit/WinControl.h"

namespace vantrel::fltk {
namespace {

// The border of a page control around its pages.
constexpr int kPageInset = 4;

bool AnyTabShown(const TPageControl& pages) {
  for (const TTabSheet* page : pages.Pages())
    if (page->TabVisible()) return true;
  return false;
}

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
    y = place.y + kPageInset + (pages != nullptr && AnyTabShown(*pages) ? kTabHeight : 0);
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

std::vector<Tab> TabsOf(const TPageControl& pages) {
  std::vector<Tab> tabs;
  const Rect place = PlaceOf(pages);
  UseFont(pages.Font());
  int x = place.x + 2;
  const auto sheets = pages.Pages();
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    if (!sheets[i]->TabVisible()) continue;
    const int width = static_cast<int>(fl_width(PlainCaption(sheets[i]->Caption()).c_str())) + 12;
    tabs.push_back({static_cast<int>(i), {x, place.y + 2, width, kTabHeight - 2}});
    x += width;
  }
  return tabs;
}

int ItemHeight(const TControl& list) { return list.Font().Height + 3; }

int VisibleItems(const TControl& list) {
  const int inner = list.Bounds().Height - 4;
  return inner > 0 ? inner / ItemHeight(list) : 0;
}

std::string PlainCaption(const std::string& caption, int* underline) {
  std::string plain;
  if (underline != nullptr) *underline = -1;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      ++i;
      if (caption[i] != '&' && underline != nullptr && *underline < 0)
        *underline = static_cast<int>(plain.size());
    }
    plain += caption[i];
  }
  return plain;
}

TControl* ControlAt(TWinControl& root, int x, int y) {
  const auto& children = root.Controls();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    TControl* child = *it;
    if (!child->Showing()) continue;
    if (!PlaceOf(*child).Contains(x, y)) continue;
    if (auto* inner = dynamic_cast<TWinControl*>(child)) return ControlAt(*inner, x, y);
    return child;
  }
  return &root;
}

}  // namespace vantrel::fltk
