#pragma once

#include <chrono>
#include <functional>

namespace vantrel {

// The double-click time where the desktop gives none: the common default.
inline constexpr std::chrono::milliseconds kDefaultDoubleClickTime{500};

// A window that has just opened ignores mouse presses for the double-click
// time. The second click of a double click that opened it would otherwise
// press whatever the new window has under the pointer: the centred dialogs
// put the summary's OK over the wizard's Finish and its Cancel over the
// wizard's Cancel. The same holds for a form that takes the input back when
// a form or message box above it closes. Keys are not affected.
class PressGuard {
 public:
  using Clock = std::function<std::chrono::milliseconds()>;

  // The window is shown now; presses are ignored for the given time.
  void Opened(std::chrono::milliseconds doubleClickTime);
  // Whether a mouse press now still falls within that time.
  bool IgnoresPresses() const;

  // The clock every guard reads: the steady clock unless a test sets its
  // own; an empty clock restores the steady one.
  static void SetClock(Clock clock);
  static std::chrono::milliseconds Now();

 private:
  std::chrono::milliseconds openedAt_{0};
  std::chrono::milliseconds span_{0};
};

}  // namespace vantrel
