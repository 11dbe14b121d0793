#pragma once

#include <vector>

#include "platform/toolkit/ListBox.h"

namespace vantrel {

// A list box whose items each carry a check box.
class TCheckListBox : public TListBox {
 public:
  explicit TCheckListBox(TComponent* owner);

  bool Checked(int index) const;
  void SetChecked(int index, bool checked);  // Throws std::out_of_range.

  // A user clicks the check box of item index.
  void UserToggle(int index);

 private:
  std::vector<bool> checked_;
};

}  // namespace vantrel
