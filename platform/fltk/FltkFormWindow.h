#pragma once

#include <FL/Fl_Double_Window.H>

#include <map>
#include <memory>

#include "platform/fltk/FltkControls.h"
#include "platform/toolkit/Form.h"

namespace vantrel::fltk {

// The window of one form, holding one FLTK widget per control. The widgets
// do their own drawing and editing; what a user does with them comes back
// to the toolkit as user actions, and the toolkit's state is copied back
// into them. Keys that the toolkit rules on (Tab, Enter, Escape, Alt with
// an access key, typed characters) go to the toolkit first.
class FltkFormWindow : public Fl_Double_Window {
 public:
  explicit FltkFormWindow(TForm& form);
  ~FltkFormWindow() override;

  TForm& Form() const { return form_; }
  // FLTK asks for a window that may change to tell whether it is shown.
  bool Shown() { return shown() != 0; }

  // The toolkit's state changed; the next Sync copies it into the widgets.
  void MarkChanged() { changed_ = true; }
  // Copies the toolkit's state into the widgets when it changed. With
  // takeFocus, also gives the keyboard focus to the focused control's
  // widget.
  void Sync(bool takeFocus);
  // A control is going away; its widget stays until the window goes.
  void Forget(const TControl& control);

  // A key pressed in this window: true when it was used.
  int RouteKey();
  // After a mouse press: the toolkit hears of a focus moved by the widget.
  void FocusFollowed();
  // A mouse press on a drop-down combo box's button opens its list as wide
  // as the box (FLTK's own is as wide as the button); true when it did.
  bool DropDownPressed();

 private:
  void Build(TWinControl& parent, Fl_Group& group);
  Binding* BindingOf(const Fl_Widget* widget) const;
  Binding* BindingOf(const TControl* control) const;
  void WidgetAction(Fl_Widget& widget);
  static void OnWidget(Fl_Widget* widget, void* window);
  void PassToWidget() const;

  TForm& form_;
  std::map<const TControl*, std::unique_ptr<Binding>> bindings_;
  std::map<const Fl_Widget*, Binding*> byWidget_;
  bool changed_ = true;
};

}  // namespace vantrel::fltk
