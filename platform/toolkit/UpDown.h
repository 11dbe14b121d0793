#pragma once

#include "platform/toolkit/WinControl.h"

namespace vantrel {

class TEdit;

// Spin buttons bound to an edit, whose text shows the position.
class TUpDown : public TWinControl {
 public:
  explicit TUpDown(TComponent* owner);

  TEdit* Associate() const { return associate_; }
  void SetAssociate(TEdit* edit);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  bool Wrap() const { return wrap_; }
  void SetRange(int min, int max, int position, bool wrap);
  void SetPosition(int position);

  // A user clicks the upper (+1) or lower (-1) button.
  void UserStep(int delta);
  bool NavigationKey(Key key) override;

 private:
  TEdit* associate_ = nullptr;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  bool wrap_ = false;
};

}  // namespace vantrel
