#include "platform/fltk/FltkControls.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Input_Choice.H>
#include <FL/Fl_Multiline_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Tabs.H>
#include <FL/Fl_Wizard.H>
#include <FL/fl_draw.H>

// X11 defines None as a macro, which the toolkit's enumerations also use.
#undef None

#include <algorithm>

#include "platform/fltk/FltkColours.h"
#include "platform/fltk/FltkFonts.h"
#include "platform/toolkit/Layout.h"
#include "platform/toolkit/CheckBox.h"
#include "platform/toolkit/CheckListBox.h"
#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/DirectoryListBox.h"
#include "platform/toolkit/DriveComboBox.h"
#include "platform/toolkit/Edit.h"
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

// The edit shown inside an up-down pair's spinner.
bool IsSpinnerEdit(const TControl& control) {
  if (control.Kind() != ControlKind::Edit || control.Parent() == nullptr) return false;
  for (const TControl* sibling : control.Parent()->Controls())
    if (const auto* spin = dynamic_cast<const TUpDown*>(sibling); spin != nullptr && spin->Associate() == &control)
      return true;
  return false;
}

Fl_Boxtype PanelBox(const TPanel& panel) {
  if (panel.BevelOuter() == TPanel::Bevel::None)
    return panel.BevelInner() == TPanel::Bevel::Lowered ? FL_THIN_DOWN_FRAME : FL_NO_BOX;
  return FL_THIN_UP_BOX;
}

// The rows of a list as the browser shows them; a directory list indents
// each level.
std::vector<std::string> Rows(const TListBox& list) {
  std::vector<std::string> rows = list.Items();
  if (const auto* dirs = dynamic_cast<const TDirectoryListBox*>(&list))
    for (std::size_t i = 0; i < rows.size() && i < dirs->ItemLevels().size(); ++i)
      rows[i] = std::string(static_cast<std::size_t>(dirs->ItemLevels()[i]) * 3, ' ') + rows[i];
  return rows;
}

// A text or picture on the form. Its caption's "&" underlines the access
// key, as on a button.
class CaptionBox : public Fl_Box {
 public:
  CaptionBox(int x, int y, int w, int h) : Fl_Box(x, y, w, h) { set_flag(SHORTCUT_LABEL); }
};

void SetFont(Fl_Widget& widget, const TFont& font) {
  widget.labelfont(FaceOf(font));
  widget.labelsize(font.Height);
}

template <class W>
void SetTextFont(W& widget, const TFont& font) {
  widget.textfont(FaceOf(font));
  widget.textsize(font.Height);
}

void SyncBrowser(Binding& b, Fl_Browser& browser, const TListBox& list) {
  const std::vector<std::string> rows = Rows(list);
  if (b.copied.ItemsChanged(rows)) {
    browser.clear();
    for (const std::string& row : rows) browser.add(row.c_str());
  }
  const int line = list.ItemIndex() + 1;
  if (browser.value() != line) {
    browser.value(line);
    if (line > 0 && !browser.displayed(line)) browser.middleline(line);
  }
}

void SyncChecks(Binding& b, Fl_Check_Browser& browser, const TCheckListBox& list) {
  if (b.copied.ItemsChanged(list.Items())) {
    browser.clear();
    for (const std::string& item : list.Items()) browser.add(item.c_str());
  }
  if (b.copied.ChecksChanged(list))
    for (std::size_t i = 0; i < list.Items().size(); ++i)
      browser.checked(static_cast<int>(i) + 1, list.Checked(static_cast<int>(i)));
}

void SyncMenu(Binding& b, Fl_Menu_& menu, const std::vector<std::string>& entries) {
  if (!b.copied.ItemsChanged(entries)) return;
  menu.clear();
  for (const std::string& entry : entries) {
    // Each entry is plain text: "/" and "\\" would be read as a menu path,
    // "&" as an access key.
    std::string escaped;
    for (char ch : entry) {
      if (ch == '/' || ch == '\\') escaped += '\\';
      if (ch == '&') escaped += '&';
      escaped += ch;
    }
    menu.add(escaped.c_str(), 0, nullptr);
  }
}

void SyncPicture(Binding& b, Fl_Widget& box, const TImage& image) {
  if (!b.copied.PictureChanged(image)) return;
  const Pixmap& pixels = image.Canvas().Pixels();
  box.image(nullptr);
  b.image.reset();
  if (pixels.Width <= 0 || pixels.Height <= 0) return;
  b.rgb.clear();
  for (std::uint32_t p : pixels.Pixels) {
    b.rgb.push_back(static_cast<unsigned char>(p >> 16));
    b.rgb.push_back(static_cast<unsigned char>(p >> 8));
    b.rgb.push_back(static_cast<unsigned char>(p));
  }
  b.image = std::make_unique<Fl_RGB_Image>(b.rgb.data(), pixels.Width, pixels.Height, 3);
  box.image(b.image.get());
  box.redraw();
}

void SyncLabel(Fl_Widget& box, const TLabel& label) {
  box.copy_label(label.Caption().c_str());
  Fl_Align align = FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_TOP;
  const Rect r = PlaceOf(label);
  if (label.WordWrap()) {
    align |= FL_ALIGN_WRAP;
  } else if (label.AutoSize()) {
    fl_font(box.labelfont(), box.labelsize());
    int w = 0, h = 0;
    fl_measure(PlainCaption(label.Caption()).c_str(), w, h, 0);
    box.resize(r.x, r.y, w + 2, std::max(h, r.h));
  } else {
    align |= FL_ALIGN_CLIP;
  }
  box.align(align);
}

}  // namespace

Fl_Widget* MakeControl(const TControl& control) {
  const Rect r = PlaceOf(control);
  Fl_Group::current(nullptr);
  Fl_Widget* widget = nullptr;
  switch (control.Kind()) {
    case ControlKind::Button: widget = new Fl_Button(r.x, r.y, r.w, r.h); break;
    case ControlKind::Label: widget = new CaptionBox(r.x, r.y, std::max(1, r.w), std::max(1, r.h)); break;
    case ControlKind::Edit:
      if (IsSpinnerEdit(control)) return nullptr;
      widget = new Fl_Input(r.x, r.y, r.w, r.h);
      break;
    case ControlKind::RadioButton: widget = new Fl_Round_Button(r.x, r.y, r.w, r.h); break;
    case ControlKind::CheckBox: widget = new Fl_Check_Button(r.x, r.y, r.w, r.h); break;
    case ControlKind::ComboBox:
      if (IsDropDown(control))
        widget = new Fl_Input_Choice(r.x, r.y, r.w, r.h);
      else
        widget = new Fl_Choice(r.x, r.y, r.w, r.h);
      break;
    case ControlKind::DriveComboBox: widget = new Fl_Choice(r.x, r.y, r.w, r.h); break;
    case ControlKind::ListBox:
    case ControlKind::DirectoryListBox: {
      auto* browser = new Fl_Hold_Browser(r.x, r.y, r.w, r.h);
      browser->format_char(0);  // Rows are plain text.
      // Report the row under the mouse as it is pressed: the focus that
      // follows the press resynchronises the browser from the toolkit, and
      // a report at release would read the row the toolkit had before.
      browser->when(FL_WHEN_CHANGED | FL_WHEN_NOT_CHANGED);
      widget = browser;
      break;
    }
    case ControlKind::CheckListBox: widget = new Fl_Check_Browser(r.x, r.y, r.w, r.h); break;
    case ControlKind::PageControl:
      if (static_cast<const TPageControl&>(control).TabsShown())
        widget = new Fl_Tabs(r.x, r.y, r.w, r.h);
      else
        widget = new Fl_Wizard(r.x, r.y, r.w, r.h);
      break;
    case ControlKind::TabSheet:
    case ControlKind::Panel: widget = new Fl_Group(r.x, r.y, r.w, r.h); break;
    case ControlKind::Image: widget = new Fl_Box(r.x, r.y, r.w, r.h); break;
    case ControlKind::Memo: {
      auto* memo = new Fl_Multiline_Output(r.x, r.y, r.w, r.h);
      memo->wrap(static_cast<const TMemo&>(control).WordWrap() ? 1 : 0);
      widget = memo;
      break;
    }
    case ControlKind::UpDown: {
      // One spinner shows the pair: the edit's place and the buttons'.
      const auto& spin = static_cast<const TUpDown&>(control);
      Rect place = r;
      if (spin.Associate() != nullptr) {
        const Rect edit = PlaceOf(*spin.Associate());
        place = {edit.x, edit.y, r.x + r.w - edit.x, edit.h};
      }
      widget = new Fl_Spinner(place.x, place.y, place.w, place.h);
      break;
    }
    case ControlKind::Form: return nullptr;
  }
  if (auto* group = widget->as_group()) group->end();
  Fl_Group::current(nullptr);
  SetFont(*widget, control.Font());
  widget->color(kButtonFace);
  widget->labelcolor(kWindowText);
  // Selected list rows are highlighted; a radio button's dot, a check
  // mark and a selected tab are drawn as on the classic desktop.
  const bool lists = control.Kind() == ControlKind::ComboBox || control.Kind() == ControlKind::DriveComboBox ||
                     control.Kind() == ControlKind::ListBox || control.Kind() == ControlKind::DirectoryListBox ||
                     control.Kind() == ControlKind::CheckListBox;
  const bool pages = control.Kind() == ControlKind::TabSheet || control.Kind() == ControlKind::PageControl;
  widget->selection_color(lists ? kSelection : pages ? kButtonFace : kWindowText);
  return widget;
}

bool EditsText(const TControl& control) {
  return control.Kind() == ControlKind::Edit || IsDropDown(control);
}

void SyncControl(Binding& b) {
  TControl& c = *b.control;
  Fl_Widget& w = *b.widget;
  const TFont font = c.Font();
  if (c.Enabled()) w.activate(); else w.deactivate();
  if (c.Kind() != ControlKind::TabSheet) {
    if (c.Visible()) w.show(); else w.hide();
  }
  switch (c.Kind()) {
    case ControlKind::Button:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
      w.copy_label(c.Caption().c_str());
      w.align(c.Kind() == ControlKind::Button ? FL_ALIGN_CENTER : FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
      if (auto* radio = dynamic_cast<const TRadioButton*>(&c)) static_cast<Fl_Button&>(w).value(radio->Checked());
      if (auto* check = dynamic_cast<const TCheckBox*>(&c)) static_cast<Fl_Button&>(w).value(check->Checked());
      break;
    case ControlKind::Label: SyncLabel(w, static_cast<const TLabel&>(c)); break;
    case ControlKind::Edit: {
      auto& edit = static_cast<const TEdit&>(c);
      auto& input = static_cast<Fl_Input&>(w);
      SetTextFont(input, font);
      input.readonly(edit.ReadOnly() ? 1 : 0);
      input.color(edit.Enabled() ? kWindowBackground : kButtonFace);
      if (edit.Text() != input.value()) input.value(edit.Text().c_str());
      if (b.copied.SelectionRequested(edit)) {
        const int start = static_cast<int>(edit.SelStart());
        input.position(start + static_cast<int>(edit.SelLength()), start);
      }
      break;
    }
    case ControlKind::ComboBox: {
      auto& combo = static_cast<const TComboBox&>(c);
      if (auto* choice = dynamic_cast<Fl_Input_Choice*>(&w)) {
        SetTextFont(*choice, font);
        choice->menubutton()->textfont(FaceOf(font));
        choice->menubutton()->textsize(font.Height);
        SyncMenu(b, *choice->menubutton(), combo.Items());
        choice->input()->color(combo.Enabled() ? kWindowBackground : kButtonFace);
        // A read-only box's edit part refuses every edit of FLTK's own
        // (typing, Delete, cut, paste); picking an entry still sets it.
        choice->input()->readonly(combo.ReadOnly() ? 1 : 0);
        if (combo.Text() != choice->value()) {
          // A text longer than the box shows its beginning.
          choice->value(combo.Text().c_str());
          choice->input()->position(0);
        }
      } else {
        auto& list = static_cast<Fl_Choice&>(w);
        SetTextFont(list, font);
        SyncMenu(b, list, combo.Items());
        list.value(combo.ItemIndex());
      }
      break;
    }
    case ControlKind::DriveComboBox: {
      auto& drives = static_cast<const TDriveComboBox&>(c);
      auto& list = static_cast<Fl_Choice&>(w);
      SetTextFont(list, font);
      SyncMenu(b, list, drives.Drives());
      const auto at = std::find(drives.Drives().begin(), drives.Drives().end(), drives.Drive());
      list.value(at == drives.Drives().end() ? -1 : static_cast<int>(at - drives.Drives().begin()));
      break;
    }
    case ControlKind::ListBox:
    case ControlKind::DirectoryListBox:
    case ControlKind::CheckListBox: {
      auto& browser = static_cast<Fl_Browser_&>(w);
      SetTextFont(browser, font);
      browser.color(kWindowBackground);
      if (c.Kind() == ControlKind::CheckListBox)
        SyncChecks(b, static_cast<Fl_Check_Browser&>(w), static_cast<const TCheckListBox&>(c));
      else
        SyncBrowser(b, static_cast<Fl_Browser&>(w), static_cast<const TListBox&>(c));
      break;
    }
    case ControlKind::PageControl: {
      auto& pages = static_cast<const TPageControl&>(c);
      if (auto* tabs = dynamic_cast<Fl_Tabs*>(&w)) {
        tabs->box(FL_THIN_UP_BOX);
        const int active = pages.ActivePageIndex();
        if (active >= 0 && active < tabs->children()) tabs->value(tabs->child(active));
      } else {
        auto& wizard = static_cast<Fl_Wizard&>(w);
        const int active = pages.ActivePageIndex();
        if (active >= 0 && active < wizard.children()) wizard.value(wizard.child(active));
      }
      break;
    }
    case ControlKind::TabSheet:
      w.copy_label(c.Caption().c_str());
      w.box(FL_FLAT_BOX);
      break;
    case ControlKind::Panel: w.box(PanelBox(static_cast<const TPanel&>(c))); break;
    case ControlKind::Image:
      w.box(FL_NO_BOX);
      w.align(FL_ALIGN_INSIDE | FL_ALIGN_TOP_LEFT | FL_ALIGN_CLIP);
      SyncPicture(b, w, static_cast<const TImage&>(c));
      break;
    case ControlKind::Memo: {
      auto& memo = static_cast<const TMemo&>(c);
      auto& output = static_cast<Fl_Multiline_Output&>(w);
      SetTextFont(output, font);
      output.color(memo.ButtonFaceColor() ? kButtonFace : kWindowBackground);
      std::string text;
      for (const std::string& line : memo.Lines()) text += (text.empty() ? "" : "\n") + line;
      if (text != output.value()) output.value(text.c_str());
      break;
    }
    case ControlKind::UpDown: {
      auto& spin = static_cast<const TUpDown&>(c);
      auto& spinner = static_cast<Fl_Spinner&>(w);
      spinner.textfont(FaceOf(font));
      spinner.textsize(font.Height);
      spinner.range(spin.Min(), spin.Max());
      spinner.step(1);
      spinner.value(spin.Position());
      break;
    }
    case ControlKind::Form: break;
  }
  w.redraw();
}

}  // namespace vantrel::fltk
