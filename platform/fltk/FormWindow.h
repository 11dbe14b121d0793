#pragma once

#include <FL/Fl_Double_Window.H>

#include "platform/fltk/Painter.h"

namespace vantrel {
class TForm;
class TControl;
}  // namespace vantrel

namespace vantrel::fltk {

// The window of one form. It paints the form's controls from their state
// and turns mouse and keyboard events into the toolkit's user actions; the
// controls decide what each action does.
class FormWindow : public Fl_Double_Window {
 public:
  explicit FormWindow(TForm& form);

  TForm& Form() const { return form_; }
  // Takes the form's caption and size again.
  void Sync();
  // A control of the form is going away.
  void Forget(const TControl& control);

  void draw() override;
  int handle(int event) override;

 private:
  int HandlePush();
  int HandleRelease();
  int HandleKey();
  int HandleWheel();
  void PopUpList(TControl& combo);
  void ScrollIntoView();

  TForm& form_;
  ViewState view_;
  std::map<const TControl*, int> lastIndex_;
};

}  // namespace vantrel::fltk
