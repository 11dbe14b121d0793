#pragma once

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Widget.H>

#include <memory>
#include <vector>

#include "platform/toolkit/LastCopied.h"

namespace vantrel {
class TControl;
}

namespace vantrel::fltk {

// One control and the FLTK widget that shows it, with what was last copied
// into the widget, and the pixels of its picture, which the widget's image
// only points to.
struct Binding {
  TControl* control = nullptr;
  Fl_Widget* widget = nullptr;
  LastCopied copied;
  std::vector<unsigned char> rgb;
  std::unique_ptr<Fl_RGB_Image> image;
};

// The widget that shows a control: FLTK's own widget for its kind, at its
// place, not yet added to any group. Null for a control that another
// control's widget shows (the edit of an up-down pair).
Fl_Widget* MakeControl(const TControl& control);

// Copies the control's state into its widget: caption, text, items,
// selection, checks, enabled state and visibility.
void SyncControl(Binding& binding);

// Whether the widget edits text itself (an edit, a drop-down combo box):
// keys that type nothing are then its own.
bool EditsText(const TControl& control);

}  // namespace vantrel::fltk
