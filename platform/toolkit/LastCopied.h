#pragma once

#include <string>
#include <vector>

namespace vantrel {

class TCheckListBox;
class TEdit;
class TImage;

// What a backend last copied from a control into the native control that
// shows it, so that a sync leaves unchanged state alone: a list refilled
// with the same items would lose its scroll position, an edit given its
// selection again would lose the user's caret. Each call records the
// control's state now and says whether it differs from what was copied
// last, and so must be copied.
class LastCopied {
 public:
  // The rows of a list or combo box, or the tabs of a page control. New
  // rows have no check marks shown yet.
  bool ItemsChanged(const std::vector<std::string>& items);
  // The check marks of a check list's rows.
  bool ChecksChanged(const TCheckListBox& list);
  // A selection the program or the toolkit's rules asked of an edit.
  bool SelectionRequested(const TEdit& edit);
  // A picture drawn anew on an image's canvas.
  bool PictureChanged(const TImage& image);

 private:
  std::vector<std::string> items_;
  std::vector<bool> checks_;
  unsigned selectionRequests_ = 0;
  unsigned pictureVersion_ = ~0u;
};

}  // namespace vantrel
