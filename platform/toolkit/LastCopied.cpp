#include "platform/toolkit/LastCopied.h"

#include "platform/toolkit/CheckListBox.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Image.h"

namespace vantrel {

bool LastCopied::ItemsChanged(const std::vector<std::string>& items) {
  if (items == items_) return false;
  items_ = items;
  checks_.clear();
  return true;
}

bool LastCopied::ChecksChanged(const TCheckListBox& list) {
  std::vector<bool> checks;
  for (std::size_t i = 0; i < list.Items().size(); ++i) checks.push_back(list.Checked(static_cast<int>(i)));
  if (checks == checks_) return false;
  checks_ = std::move(checks);
  return true;
}

bool LastCopied::SelectionRequested(const TEdit& edit) {
  if (edit.SelectionRequests() == selectionRequests_) return false;
  selectionRequests_ = edit.SelectionRequests();
  return true;
}

bool LastCopied::PictureChanged(const TImage& image) {
  if (image.Canvas().Version() == pictureVersion_) return false;
  pictureVersion_ = image.Canvas().Version();
  return true;
}

}  // namespace vantrel
