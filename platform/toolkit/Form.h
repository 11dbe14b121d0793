#pragma once

#include <stdexcept>
#include <string>

#include "platform/toolkit/PressGuard.h"
#include "platform/toolkit/WinControl.h"

namespace vantrel {

// A dialog form. ShowModal shows it, runs the show handler, hands it to the
// backend's modal loop until something sets a modal result, hides it and
// returns that result. Closing the window or Close() ends it with Cancel.
// The creation handler runs when the derived form calls Create() at the
// end of its constructor.
class TForm : public TWinControl {
 public:
  TForm(TComponent* owner, std::string className);
  ~TForm() override;

  // The form class's name ("TNewDlg"), which tests and backends use.
  const std::string& ClassName() const { return className_; }

  int ClientWidth() const { return Bounds().Width; }
  int ClientHeight() const { return Bounds().Height; }
  void SetClientSize(int width, int height);

  // Frame: fixed dialog frame with a system menu; with or without the
  // title-bar help button. Centred on the screen.
  bool HelpButton() const { return helpButton_; }
  void SetHelpButton(bool help) { helpButton_ = help; }
  bool Centered() const { return centered_; }
  void SetCentered(bool centered) { centered_ = centered; }

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result);
  bool Modal() const { return modal_; }

  TModalResult ShowModal();
  // Whether the form opened, or took the input back from a form or message
  // box above it that closed, less than the double-click time ago; it then
  // ignores mouse presses (see PressGuard).
  bool IgnoresPresses() const { return pressGuard_.IgnoresPresses(); }
  // The form takes the input again: a form or message box above it closed.
  void InputReturned();
  // Ends a modal form with Cancel, or hides a modeless one.
  void Close();

  // The control with the input focus, or nullptr.
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  // Moves the focus to the next (or previous) tab stop in tab order, as Tab
  // does: an edit reached so selects its text.
  void SelectNext(bool forward);

  // The first control on the form (pages, panels included) of that name.
  TControl* FindControl(const std::string& name) const;
  template <class T>
  T* Find(const std::string& name) const {
    return dynamic_cast<T*>(FindControl(name));
  }
  // The control of that name and class, for the typed bindings a form makes
  // once when it is created. Throws std::logic_error naming the form and
  // the control when there is none of that class.
  template <class T>
  T& Bind(const std::string& name) const {
    if (T* control = Find<T>(name)) return *control;
    throw std::logic_error(className_ + " has no control " + name + " of the kind its code expects");
  }

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;

 protected:
  // Runs the creation handler; derived forms call it last in their
  // constructors.
  void Create();

 private:
  friend class TControl;
  friend class TPageControl;
  // A control is losing the ability to hold the focus.
  void FocusLost(const TControl& control);

  std::string className_;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool helpButton_ = true;
  bool centered_ = true;
  PressGuard pressGuard_;
  TWinControl* activeControl_ = nullptr;
};

}  // namespace vantrel
