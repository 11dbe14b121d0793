#include "platform/toolkit/PageControl.h"

#include "platform/toolkit/Form.h"
#include "platform/toolkit/ItemIndex.h"
#include "platform/toolkit/TabSheet.h"

namespace vantrel {

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner, ControlKind::PageControl) {}

std::vector<TTabSheet*> TPageControl::Pages() const {
  std::vector<TTabSheet*> pages;
  for (TControl* control : Controls())
    if (auto* page = dynamic_cast<TTabSheet*>(control)) pages.push_back(page);
  return pages;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page == activePage_) return;
  TTabSheet* previous = activePage_;
  activePage_ = page;
  // The focus cannot stay on a page that is no longer shown.
  if (previous != nullptr)
    if (TForm* form = Form()) form->FocusLost(*previous);
  if (previous != nullptr) previous->Changed();
  Changed();
}

int TPageControl::ActivePageIndex() const {
  auto pages = Pages();
  for (std::size_t i = 0; i < pages.size(); ++i)
    if (pages[i] == activePage_) return static_cast<int>(i);
  return -1;
}

bool TPageControl::TabsShown() const {
  for (const TTabSheet* page : Pages())
    if (page->TabVisible()) return true;
  return false;
}

bool TPageControl::UserSelectTab(int index) {
  auto pages = Pages();
  if (!IsItemIndex(index, pages.size()) || !pages[index]->TabVisible()) return false;
  if (pages[index] == activePage_) return false;
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  if (!allow) return false;
  SetActivePage(pages[index]);
  if (OnChange) OnChange(this);
  return true;
}

}  // namespace vantrel
