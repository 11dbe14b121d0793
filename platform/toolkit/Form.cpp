#include "platform/toolkit/Form.h"

#include <functional>
#include <stdexcept>

#include "platform/toolkit/Application.h"
#include "platform/toolkit/Backend.h"

namespace vantrel {

TForm::TForm(TComponent* owner, std::string className)
    : TWinControl(owner, ControlKind::Form), className_(std::move(className)) {
  SetVisible(false);
  SetTabStop(false);
}

TForm::~TForm() {
  if (Visible()) SetVisible(false);
  activeControl_ = nullptr;
  // The controls go while the form is still a form, so that they can leave
  // it cleanly.
  while (!Components().empty()) delete Components().back();
}

void TForm::SetClientSize(int width, int height) {
  SetBounds(Bounds().Left, Bounds().Top, width, height);
}

void TForm::SetModalResult(TModalResult result) {
  modalResult_ = result;
}

TModalResult TForm::ShowModal() {
  TApplication* app = Application();
  if (app == nullptr) throw std::logic_error("A form needs an application to be shown");
  if (Visible() || modal_) throw std::logic_error("Cannot make a visible window modal");
  modalResult_ = mrNone;
  modal_ = true;
  app->modal_.push_back(this);
  SetVisible(true);
  app->WindowBackend().FormVisibilityChanged(*this, true);
  pressGuard_.Opened(app->WindowBackend().DoubleClickTime());
  // The show handler runs before the loop; its errors end the show.
  auto finish = [&] {
    modal_ = false;
    std::erase(app->modal_, this);
    SetVisible(false);
    app->WindowBackend().FormVisibilityChanged(*this, false);
    if (TForm* beneath = app->ModalForm()) beneath->InputReturned();
  };
  try {
    if (OnShow) OnShow(this);
    if (activeControl_ == nullptr) SelectNext(true);
    app->WindowBackend().RunModal(*this);
  } catch (...) {
    finish();
    throw;
  }
  if (modalResult_ == mrNone) modalResult_ = mrCancel;
  finish();
  return modalResult_;
}

void TForm::InputReturned() {
  // The second click of a double click that closed the form above would
  // land on whatever this form has beneath the pointer.
  if (TApplication* app = Application()) pressGuard_.Opened(app->WindowBackend().DoubleClickTime());
}

void TForm::Close() {
  if (modal_)
    modalResult_ = mrCancel;
  else if (Visible())
    SetVisible(false);
}

void TForm::SetActiveControl(TWinControl* control) {
  if (control == activeControl_) return;
  TWinControl* previous = activeControl_;
  activeControl_ = control;
  if (previous != nullptr) previous->Changed();
  if (control != nullptr) control->Changed();
}

void TForm::SelectNext(bool forward) {
  // Every tab stop that can take the focus, in tab order, depth first.
  std::vector<TWinControl*> stops;
  std::function<void(const TWinControl&)> collect = [&](const TWinControl& parent) {
    for (TWinControl* child : parent.TabOrdered()) {
      if (!child->CanFocus()) continue;
      if (child->IsTabStop()) stops.push_back(child);
      collect(*child);
    }
  };
  collect(*this);
  if (stops.empty()) return;
  std::size_t next = forward ? 0 : stops.size() - 1;
  for (std::size_t i = 0; i < stops.size(); ++i) {
    if (stops[i] != activeControl_) continue;
    next = forward ? (i + 1) % stops.size() : (i + stops.size() - 1) % stops.size();
    break;
  }
  stops[next]->KeyboardFocus();
}

TControl* TForm::FindControl(const std::string& name) const {
  std::function<TControl*(const TWinControl&)> search = [&](const TWinControl& parent) -> TControl* {
    for (TControl* child : parent.Controls()) {
      if (child->Name() == name) return child;
      if (auto* win = dynamic_cast<TWinControl*>(child))
        if (TControl* found = search(*win)) return found;
    }
    return nullptr;
  };
  return search(*this);
}

void TForm::Create() {
  if (OnCreate) OnCreate(this);
}

void TForm::FocusLost(const TControl& control) {
  // The focus leaves with a control that is disabled, hidden or destroyed,
  // or whose container is.
  for (const TControl* c = activeControl_; c != nullptr; c = c->Parent()) {
    if (c == &control) {
      SetActiveControl(nullptr);
      return;
    }
  }
}

}  // namespace vantrel
