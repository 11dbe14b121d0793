#include "platform/toolkit/Control.h"

#include <algorithm>
#include <cctype>

#include "platform/toolkit/Application.h"
#include "platform/toolkit/Backend.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/WinControl.h"

namespace vantrel {

TControl::TControl(TComponent* owner, ControlKind kind) : TComponent(owner), kind_(kind) {}

TControl::~TControl() {
  if (TApplication* app = Application()) app->WindowBackend().ControlDestroyed(*this);
  // A form is past its own destructor here and no longer a form: only a
  // control inside one tells it that the focus may leave.
  if (kind_ != ControlKind::Form)
    if (TForm* form = Form()) form->FocusLost(*this);
  SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_ != nullptr) {
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  parent_ = parent;
  if (parent_ != nullptr) parent_->controls_.push_back(this);
  Changed();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  bounds_ = TBounds{left, top, width, height};
  Changed();
}

void TControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

char TControl::AccessKey() const {
  for (std::size_t i = 0; i + 1 < caption_.size(); ++i) {
    if (caption_[i] != '&') continue;
    if (caption_[i + 1] == '&') {
      ++i;  // "&&" is a literal ampersand.
      continue;
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(caption_[i + 1])));
  }
  return 0;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (!enabled_)
    if (TForm* form = Form(); form != nullptr && form != this) form->FocusLost(*this);
  Changed();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (!visible_)
    if (TForm* form = Form(); form != nullptr && form != this) form->FocusLost(*this);
  VisibilityChanged();
  Changed();
}

bool TControl::Showing() const {
  if (!visible_) return false;
  return parent_ == nullptr || parent_->Showing();
}

bool TControl::EnabledInTree() const {
  for (const TControl* control = this; control != nullptr; control = control->parent_)
    if (!control->enabled_) return false;
  return true;
}

TFont TControl::Font() const {
  if (parentFont_ && parent_ != nullptr) return parent_->Font();
  return font_;
}

void TControl::SetFont(const TFont& font) {
  font_ = font;
  parentFont_ = false;
  Changed();
}

TForm* TControl::Form() const {
  for (auto* control = const_cast<TControl*>(this); control != nullptr;
       control = control->parent_)
    if (control->kind_ == ControlKind::Form) return static_cast<TForm*>(control);
  return nullptr;
}

void TControl::UserClick() {
  if (OnClick) OnClick(this);
}

void TControl::Changed() {
  if (TApplication* app = Application()) app->WindowBackend().ControlChanged(*this);
}

}  // namespace vantrel
