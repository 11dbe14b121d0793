#pragma once

#include "platform/toolkit/WinControl.h"

namespace vantrel {

class TPageControl;

// One page of a page control; its caption is the tab's text. A hidden tab
// leaves the page reachable only from code.
class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* owner);

  TPageControl* PageControl() const;
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool visible);

  // Showing only while it is its page control's active page.
  bool Showing() const override;
  // A page takes no focus from a click.
  void UserClick() override {}

 private:
  bool tabVisible_ = true;
};

}  // namespace vantrel
