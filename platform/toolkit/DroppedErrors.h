#pragma once

namespace vantrel {

// Runs action and drops whatever error it raises. Every place that lets an
// error go unreported on purpose goes through here, so that one search
// finds them all: the library's entry points, which must throw nothing
// into a host that is not C++, and the dialogs' steps whose failure ends
// quietly by design (the wizard's Next and Back, the wizard's modal run
// from the New project dialog). Errors the user must hear of take the
// application's error box instead (TApplication::HandleException).
template <typename Action>
void DropErrors(Action&& action) noexcept {
  try {
    action();
  } catch (...) {
  }
}

// As above, for an action with a result: fallback when it raised an error.
template <typename Result, typename Action>
Result DropErrors(Result fallback, Action&& action) noexcept {
  try {
    return action();
  } catch (...) {
    return fallback;
  }
}

}  // namespace vantrel
