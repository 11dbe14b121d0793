#include "platform/fltk/Painter.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

// X11 defines None as a macro, which the toolkit's enumerations also use.
#undef None

#include <algorithm>
#include <string>
#include <vector>

#include "platform/fltk/FltkFonts.h"
#include "platform/fltk/Layout.h"
#include "platform/toolkit/Button.h"
#include "platform/toolkit/CheckBox.h"
#include "platform/toolkit/CheckListBox.h"
#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/DirectoryListBox.h"
#include "platform/toolkit/DriveComboBox.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/Image.h"
#include "platform/toolkit/Label.h"
#include "platform/toolkit/Memo.h"
#include "platform/toolkit/PageControl.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/RadioButton.h"
#include "platform/toolkit/TabSheet.h"
#include "platform/toolkit/UpDown.h"

namespace vantrel::fltk {
namespace {

void Colour(unsigned rgb) { fl_color(static_cast<Fl_Color>(rgb)); }

void Fill(const Rect& r, unsigned rgb) {
  Colour(rgb);
  fl_rectf(r.x, r.y, r.w, r.h);
}

// One-pixel frame: top and left in one colour, bottom and right in another.
void Frame(const Rect& r, unsigned topLeft, unsigned bottomRight) {
  if (r.w <= 0 || r.h <= 0) return;
  Colour(topLeft);
  fl_xyline(r.x, r.y, r.x + r.w - 1);
  fl_yxline(r.x, r.y, r.y + r.h - 1);
  Colour(bottomRight);
  fl_xyline(r.x, r.y + r.h - 1, r.x + r.w - 1);
  fl_yxline(r.x + r.w - 1, r.y, r.y + r.h - 1);
}

Rect Inset(const Rect& r, int by) { return {r.x + by, r.y + by, r.w - 2 * by, r.h - 2 * by}; }

void Raised(const Rect& r) {
  Frame(r, kHighlight, kDarkShadow);
  Frame(Inset(r, 1), kButtonFace, kShadow);
}

void Sunken(const Rect& r) {
  Frame(r, kShadow, kHighlight);
  Frame(Inset(r, 1), kDarkShadow, kButtonFace);
}

void FocusRect(const Rect& r) {
  Colour(kDarkShadow);
  fl_line_style(FL_DOT);
  fl_rect(r.x, r.y, r.w, r.h);
  fl_line_style(0);
}

// A caption with its access key underlined, its top-left corner at (x, y)
// of the text box, greyed and embossed when disabled.
void Caption(const std::string& caption, int x, int y, int h, bool enabled, unsigned rgb = kDarkShadow,
             int align = FL_ALIGN_LEFT) {
  int underline = -1;
  const std::string plain = PlainCaption(caption, &underline);
  const int width = static_cast<int>(fl_width(plain.c_str()));
  auto draw = [&](int dx, int dy, unsigned colour) {
    Colour(colour);
    int left = x + dx;
    if (align == FL_ALIGN_CENTER) left -= width / 2;
    const int base = y + dy + (h + fl_height()) / 2 - fl_descent();
    fl_draw(plain.c_str(), static_cast<int>(plain.size()), left, base);
    if (underline >= 0) {
      const int ux = left + static_cast<int>(fl_width(plain.c_str(), underline));
      const int uw = static_cast<int>(fl_width(plain.c_str() + underline, 1));
      fl_xyline(ux, base + 1, ux + uw - 1);
    }
  };
  if (!enabled) {
    draw(1, 1, kHighlight);
    draw(0, 0, kShadow);
  } else {
    draw(0, 0, rgb);
  }
}

bool IsFocused(const TControl& control) {
  const auto* win = dynamic_cast<const TWinControl*>(&control);
  return win != nullptr && win->Focused();
}

void PaintButton(const TControl& c, const Rect& r, const ViewState& view) {
  Fill(r, kButtonFace);
  const bool focused = IsFocused(c);
  const bool down = view.pressed == &c;
  Rect face = r;
  if (focused) {
    Colour(kDarkShadow);
    fl_rect(r.x, r.y, r.w, r.h);
    face = Inset(r, 1);
  }
  if (down) {
    Frame(face, kShadow, kShadow);
  } else {
    Raised(face);
  }
  const int shift = down ? 1 : 0;
  Caption(c.Caption(), r.x + r.w / 2 + shift, r.y + shift, r.h, c.EnabledInTree(), kDarkShadow, FL_ALIGN_CENTER);
  if (focused) FocusRect(Inset(r, 4));
}

void PaintCheckMark(int x, int y) {
  Colour(kDarkShadow);
  for (int i = 0; i < 3; ++i) {
    fl_line(x + 3, y + 5 + i, x + 5, y + 7 + i);
    fl_line(x + 5, y + 7 + i, x + 9, y + 3 + i);
  }
}

void PaintBox(const Rect& r, bool checked, bool enabled) {
  Fill(Inset(r, 2), enabled ? kHighlight : kButtonFace);
  Sunken(r);
  if (checked) PaintCheckMark(r.x + 1, r.y + 1);
}

void PaintRadio(int x, int y, bool checked, bool enabled) {
  Colour(enabled ? kHighlight : kButtonFace);
  fl_pie(x + 1, y + 1, 10, 10, 0, 360);
  Colour(kShadow);
  fl_arc(x, y, 12, 12, 45, 225);
  Colour(kHighlight);
  fl_arc(x, y, 12, 12, 225, 405);
  Colour(kDarkShadow);
  fl_arc(x + 1, y + 1, 10, 10, 45, 225);
  if (checked) {
    Colour(kDarkShadow);
    fl_pie(x + 4, y + 4, 4, 4, 0, 360);
  }
}

void PaintToggle(const TControl& c, const Rect& r, bool checked, bool radio) {
  const int boxY = r.y + (r.h - 13) / 2;
  if (radio) {
    PaintRadio(r.x, boxY, checked, c.EnabledInTree());
  } else {
    PaintBox({r.x, boxY, 13, 13}, checked, c.EnabledInTree());
  }
  Caption(c.Caption(), r.x + 17, r.y, r.h, c.EnabledInTree());
  if (IsFocused(c)) {
    const int w = static_cast<int>(fl_width(PlainCaption(c.Caption()).c_str()));
    FocusRect({r.x + 15, r.y + (r.h - fl_height()) / 2 - 1, w + 4, fl_height() + 2});
  }
}

void PaintLabel(const TLabel& c, const Rect& r) {
  int underline = -1;
  const std::string plain = PlainCaption(c.Caption(), &underline);
  if (c.WordWrap() && r.w > 0) {
    Colour(c.EnabledInTree() ? kDarkShadow : kShadow);
    fl_draw(plain.c_str(), r.x, r.y, r.w, r.h > 0 ? r.h : 1000, FL_ALIGN_TOP_LEFT | FL_ALIGN_WRAP | FL_ALIGN_INSIDE,
            nullptr, 0);
    return;
  }
  const bool clip = !c.AutoSize() && r.w > 0;
  if (clip) fl_push_clip(r.x, r.y, r.w, std::max(r.h, fl_height()));
  Caption(c.Caption(), r.x, r.y, fl_height(), c.EnabledInTree());
  if (clip) fl_pop_clip();
}

void PaintEditText(const TEdit& c, const Rect& r) {
  const bool enabled = c.EnabledInTree();
  Fill(Inset(r, 2), enabled ? kHighlight : kButtonFace);
  Sunken(r);
  const Rect inner = Inset(r, 3);
  fl_push_clip(inner.x, inner.y, inner.w, inner.h);
  const std::string& text = c.Text();
  const int base = inner.y + (inner.h + fl_height()) / 2 - fl_descent();
  const int x = inner.x + 1;
  const std::size_t start = std::min(c.SelStart(), text.size());
  const std::size_t length = std::min(c.SelLength(), text.size() - start);
  const bool focused = IsFocused(c);
  Colour(enabled ? kDarkShadow : kShadow);
  fl_draw(text.c_str(), static_cast<int>(text.size()), x, base);
  if (focused && length > 0) {
    const int sx = x + static_cast<int>(fl_width(text.c_str(), static_cast<int>(start)));
    const int sw = static_cast<int>(fl_width(text.c_str() + start, static_cast<int>(length)));
    Fill({sx, inner.y + 1, sw, inner.h - 2}, kSelection);
    Colour(kHighlight);
    fl_draw(text.c_str() + start, static_cast<int>(length), sx, base);
  } else if (focused) {
    const int cx = x + static_cast<int>(fl_width(text.c_str(), static_cast<int>(start)));
    Colour(kDarkShadow);
    fl_yxline(cx, inner.y + 2, inner.y + inner.h - 3);
  }
  fl_pop_clip();
}

void PaintArrow(const Rect& r, bool down, bool enabled) {
  Colour(enabled ? kDarkShadow : kShadow);
  const int cx = r.x + r.w / 2, cy = r.y + r.h / 2;
  if (down)
    fl_polygon(cx - 4, cy - 2, cx + 4, cy - 2, cx, cy + 2);
  else
    fl_polygon(cx - 4, cy + 2, cx + 4, cy + 2, cx, cy - 2);
}

void PaintCombo(const TControl& c, const Rect& r, const std::string& text) {
  const bool enabled = c.EnabledInTree();
  Fill(Inset(r, 2), enabled ? kHighlight : kButtonFace);
  Sunken(r);
  const Rect button{r.x + r.w - 18, r.y + 2, 16, r.h - 4};
  Fill(button, kButtonFace);
  Raised(button);
  PaintArrow(button, true, enabled);
  const Rect inner{r.x + 3, r.y + 3, r.w - 22, r.h - 6};
  const bool focused = IsFocused(c);
  if (focused && c.Kind() != ControlKind::ComboBox) Fill(inner, kSelection);
  fl_push_clip(inner.x, inner.y, inner.w, inner.h);
  Colour(!enabled ? kShadow : (focused && c.Kind() != ControlKind::ComboBox) ? kHighlight : kDarkShadow);
  fl_draw(text.c_str(), inner.x + 2, inner.y + (inner.h + fl_height()) / 2 - fl_descent());
  fl_pop_clip();
  if (focused && c.Kind() != ControlKind::ComboBox) FocusRect(inner);
}

void PaintFolder(int x, int y, bool open) {
  Colour(0xFFFF0000);
  fl_rectf(x, y + 3, 14, 9);
  Colour(kDarkShadow);
  fl_rect(x, y + 3, 14, 9);
  fl_xyline(x, y + 2, x + 5);
  if (open) fl_xyline(x + 2, y + 6, x + 14);
}

void PaintList(const TListBox& c, const Rect& r, const ViewState& view) {
  const bool enabled = c.EnabledInTree();
  Fill(Inset(r, 2), kHighlight);
  Sunken(r);
  const Rect inner = Inset(r, 2);
  const auto* checks = dynamic_cast<const TCheckListBox*>(&c);
  const auto* dirs = dynamic_cast<const TDirectoryListBox*>(&c);
  const int itemHeight = ItemHeight(c);
  int top = 0;
  if (auto found = view.topItem.find(&c); found != view.topItem.end()) top = found->second;
  fl_push_clip(inner.x, inner.y, inner.w, inner.h);
  const auto& items = c.Items();
  for (int i = top; i < static_cast<int>(items.size()); ++i) {
    const int y = inner.y + (i - top) * itemHeight;
    if (y >= inner.y + inner.h) break;
    int x = inner.x + 2;
    if (checks != nullptr) {
      PaintBox({x, y + (itemHeight - 13) / 2, 13, 13}, checks->Checked(i), enabled);
      x += 16;
    }
    if (dirs != nullptr) {
      const int level = i < static_cast<int>(dirs->ItemLevels().size()) ? dirs->ItemLevels()[static_cast<std::size_t>(i)] : 0;
      x += level * 8;
      PaintFolder(x, y, i <= static_cast<int>(dirs->ItemLevels().size()) && dirs->Selected(i));
      x += 18;
    }
    const bool selected = c.Selected(i);
    const int textWidth = static_cast<int>(fl_width(items[static_cast<std::size_t>(i)].c_str())) + 4;
    if (selected) Fill({x - 2, y, dirs != nullptr ? textWidth : inner.x + inner.w - x + 2, itemHeight}, kSelection);
    Colour(!enabled ? kShadow : selected ? kHighlight : kDarkShadow);
    fl_draw(items[static_cast<std::size_t>(i)].c_str(), x, y + (itemHeight + fl_height()) / 2 - fl_descent());
    if (selected && c.Focused()) FocusRect({x - 2, y, dirs != nullptr ? textWidth : inner.x + inner.w - x + 2, itemHeight});
  }
  fl_pop_clip();
}

void PaintMemo(const TMemo& c, const Rect& r) {
  Fill(Inset(r, 2), c.ButtonFaceColor() ? kButtonFace : kHighlight);
  Sunken(r);
  const Rect inner = Inset(r, 4);
  std::string text;
  for (const auto& line : c.Lines()) text += line + "\n";
  fl_push_clip(inner.x, inner.y, inner.w, inner.h);
  Colour(kDarkShadow);
  fl_draw(text.c_str(), inner.x, inner.y, inner.w, inner.h,
          FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE | (c.WordWrap() ? FL_ALIGN_WRAP : 0), nullptr, 0);
  fl_pop_clip();
}

void PaintImage(const TImage& c, const Rect& r) {
  const Pixmap& pixels = c.Canvas().Pixels();
  if (pixels.Width <= 0 || pixels.Height <= 0) return;
  std::vector<unsigned char> rgb;
  rgb.reserve(pixels.Pixels.size() * 3);
  for (std::uint32_t p : pixels.Pixels) {
    rgb.push_back(static_cast<unsigned char>(p >> 16));
    rgb.push_back(static_cast<unsigned char>(p >> 8));
    rgb.push_back(static_cast<unsigned char>(p));
  }
  fl_push_clip(r.x, r.y, r.w, r.h);
  fl_draw_image(rgb.data(), r.x, r.y, pixels.Width, pixels.Height, 3);
  fl_pop_clip();
}

void PaintPages(const TPageControl& c, const Rect& r) {
  const auto tabs = TabsOf(c);
  const int bodyTop = tabs.empty() ? r.y : r.y + kTabHeight;
  Raised({r.x, bodyTop, r.w, r.y + r.h - bodyTop});
  const int active = c.ActivePageIndex();
  const auto pages = c.Pages();
  for (const Tab& tab : tabs) {
    Rect t = tab.rect;
    const bool current = tab.page == active;
    if (current) t = {t.x - 2, t.y - 2, t.w + 4, t.h + 3};
    Fill(t, kButtonFace);
    Colour(kHighlight);
    fl_yxline(t.x, t.y + t.h, t.y + 2);
    fl_line(t.x, t.y + 2, t.x + 2, t.y);
    fl_xyline(t.x + 2, t.y, t.x + t.w - 3);
    Colour(kDarkShadow);
    fl_line(t.x + t.w - 2, t.y + 1, t.x + t.w - 1, t.y + 2);
    fl_yxline(t.x + t.w - 1, t.y + 2, t.y + t.h);
    Colour(kShadow);
    fl_yxline(t.x + t.w - 2, t.y + 2, t.y + t.h);
    UseFont(c.Font());
    Caption(pages[static_cast<std::size_t>(tab.page)]->Caption(), t.x + t.w / 2, t.y, t.h, c.EnabledInTree(),
            kDarkShadow, FL_ALIGN_CENTER);
  }
}

void PaintPanel(const TPanel& c, const Rect& r) {
  Fill(r, kButtonFace);
  Rect edge = r;
  auto bevel = [&edge](TPanel::Bevel kind) {
    if (kind == TPanel::Bevel::None) return;
    if (kind == TPanel::Bevel::Raised)
      Frame(edge, kHighlight, kShadow);
    else
      Frame(edge, kShadow, kHighlight);
    edge = Inset(edge, 1);
  };
  bevel(c.BevelOuter());
  bevel(c.BevelInner());
}

void PaintUpDown(const TUpDown& c, const Rect& r) {
  const bool enabled = c.EnabledInTree();
  const Rect up{r.x, r.y, r.w, r.h / 2};
  const Rect down{r.x, r.y + r.h / 2, r.w, r.h - r.h / 2};
  for (const Rect& half : {up, down}) {
    Fill(half, kButtonFace);
    Raised(half);
  }
  PaintArrow(up, false, enabled);
  PaintArrow(down, true, enabled);
}

void PaintControl(const TControl& c, const ViewState& view) {
  const Rect r = PlaceOf(c);
  UseFont(c.Font());
  switch (c.Kind()) {
    case ControlKind::Button: PaintButton(c, r, view); break;
    case ControlKind::Label: PaintLabel(static_cast<const TLabel&>(c), r); break;
    case ControlKind::Edit: PaintEditText(static_cast<const TEdit&>(c), r); break;
    case ControlKind::RadioButton: PaintToggle(c, r, static_cast<const TRadioButton&>(c).Checked(), true); break;
    case ControlKind::CheckBox: PaintToggle(c, r, static_cast<const TCheckBox&>(c).Checked(), false); break;
    case ControlKind::ComboBox: PaintCombo(c, r, static_cast<const TComboBox&>(c).Text()); break;
    case ControlKind::DriveComboBox: PaintCombo(c, r, static_cast<const TDriveComboBox&>(c).Drive()); break;
    case ControlKind::ListBox:
    case ControlKind::CheckListBox:
    case ControlKind::DirectoryListBox: PaintList(static_cast<const TListBox&>(c), r, view); break;
    case ControlKind::PageControl: PaintPages(static_cast<const TPageControl&>(c), r); break;
    case ControlKind::TabSheet: Fill(r, kButtonFace); break;
    case ControlKind::Panel: PaintPanel(static_cast<const TPanel&>(c), r); break;
    case ControlKind::Image: PaintImage(static_cast<const TImage&>(c), r); break;
    case ControlKind::Memo: PaintMemo(static_cast<const TMemo&>(c), r); break;
    case ControlKind::UpDown: PaintUpDown(static_cast<const TUpDown&>(c), r); break;
    case ControlKind::Form: break;
  }
}

}  // namespace

void PaintChildren(const TWinControl& root, const ViewState& view) {
  for (const TControl* child : root.Controls()) {
    if (!child->Showing()) continue;
    PaintControl(*child, view);
    if (const auto* inner = dynamic_cast<const TWinControl*>(child)) PaintChildren(*inner, view);
  }
}

}  // namespace vantrel::fltk
