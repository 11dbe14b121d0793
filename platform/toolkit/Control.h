#pragma once

#include <functional>
#include <string>

#include "platform/toolkit/Component.h"
#include "platform/toolkit/Types.h"

namespace vantrel {

class TWinControl;
class TForm;

// A control on a form: kind, place, caption, font, enabled state and
// visibility. Every change of state is reported to the backend, which only
// renders it; every behaviour lives in the controls and the forms.
class TControl : public TComponent {
 public:
  using TNotifyEvent = std::function<void(TControl* sender)>;

  TControl(TComponent* owner, ControlKind kind);
  ~TControl() override;

  ControlKind Kind() const { return kind_; }

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);

  const TBounds& Bounds() const { return bounds_; }
  void SetBounds(int left, int top, int width, int height);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // The access key of the caption (the letter after a single "&", lower
  // case), or 0.
  char AccessKey() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // True when the control and all its parents are visible, and a tab sheet
  // on the way is its page control's active page.
  virtual bool Showing() const;
  // True when the control and all its parents are enabled.
  bool EnabledInTree() const;
  // Whether a user can act on the control now: showing and enabled.
  bool CanAct() const { return Showing() && EnabledInTree(); }

  // The font used: the control's own or, with ParentFont, the parent's.
  TFont Font() const;
  void SetFont(const TFont& font);
  bool ParentFont() const { return parentFont_; }

  // The form the control sits on (itself for a form), or nullptr.
  TForm* Form() const;

  // Reports a change of state to the backend so that it repaints.
  void Changed();

  // What a user's mouse click on the control does: runs the click handler
  // here; focusing, pressing and checking controls do more.
  virtual void UserClick();
  // Whether Alt with the control's access key reaches it now.
  virtual bool TakesAccessKey() const { return CanAct(); }
  // What Alt with the access key does: the same as a click here.
  virtual void AccessKeyPressed() { UserClick(); }

  TNotifyEvent OnClick;

 protected:
  virtual void VisibilityChanged() {}

 private:
  ControlKind kind_;
  TWinControl* parent_ = nullptr;
  TBounds bounds_;
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  bool parentFont_ = true;
  TFont font_;
};

}  // namespace vantrel
