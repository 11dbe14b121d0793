#pragma once

#include "platform/toolkit/WinControl.h"

namespace vantrel {

// A rectangle holding other controls; radio buttons on it form a group of
// their own.
class TPanel : public TWinControl {
 public:
  enum class Bevel { None, Lowered, Raised };

  explicit TPanel(TComponent* owner);

  Bevel BevelInner() const { return inner_; }
  Bevel BevelOuter() const { return outer_; }
  void SetBevels(Bevel inner, Bevel outer);

  // A click runs the click handler; a panel takes no focus.
  void UserClick() override { TControl::UserClick(); }

 private:
  Bevel inner_ = Bevel::None;
  Bevel outer_ = Bevel::Raised;
};

}  // namespace vantrel
