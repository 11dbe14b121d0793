#pragma once

#include <functional>
#include <vector>

#include "platform/toolkit/WinControl.h"

namespace vantrel {

class TTabSheet;

// Tabbed pages: the tab sheets whose parent it is, in order. A user's tab
// click asks the changing handler first, which may refuse; setting the
// active page from code asks nobody.
class TPageControl : public TWinControl {
 public:
  using TTabChangingEvent = std::function<void(TControl* sender, bool& allowChange)>;

  explicit TPageControl(TComponent* owner);

  std::vector<TTabSheet*> Pages() const;
  TTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  // Whether any page shows its tab: without one, the pages are a stack
  // that the program turns, and there is no row of tabs.
  bool TabsShown() const;

  // A user clicks the tab of page index; true when the page changed.
  bool UserSelectTab(int index);
  // A click outside the tabs does nothing; the pages take no focus.
  void UserClick() override {}

  TTabChangingEvent OnChanging;
  TNotifyEvent OnChange;

 private:
  TTabSheet* activePage_ = nullptr;
};

}  // namespace vantrel
