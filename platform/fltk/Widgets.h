#pragma once

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Widget.H>

#include <memory>
#include <string>
#include <vector>

namespace vantrel {
class TControl;
}

namespace vantrel::fltk {

// One control and the FLTK widget that shows it, with what was last copied
// into the widget, so that a sync leaves unchanged state (a list's scroll
// position, an edit's caret) alone.
struct Binding {
  TControl* control = nullptr;
  Fl_Widget* widget = nullptr;
  std::vector<std::string> items;
  std::vector<bool> checks;
  unsigned selectionRequests = 0;
  unsigned pictureVersion = ~0u;
  std::vector<unsigned char> rgb;
  std::unique_ptr<Fl_RGB_Image> image;
};

// The widget that shows a control: FLTK's own widget for its kind, at its
// place, not yet added to any group. Null for a control that another
// control's widget shows (the edit of an up-down pair).
Fl_Widget* MakeWidget(const TControl& control);

// Copies the control's state into its widget: caption, text, items,
// selection, checks, enabled state and visibility.
void SyncWidget(Binding& binding);

// Whether the widget edits text itself (an edit, a drop-down combo box).
bool EditsText(const Binding& binding);

}  // namespace vantrel::fltk
