#include "platform/toolkit/PressGuard.h"

namespace vantrel {
namespace {

PressGuard::Clock& TestClock() {
  static PressGuard::Clock clock;
  return clock;
}

}  // namespace

void PressGuard::Opened(std::chrono::milliseconds doubleClickTime) {
  openedAt_ = Now();
  span_ = doubleClickTime;
}

bool PressGuard::IgnoresPresses() const {
  const std::chrono::milliseconds since = Now() - openedAt_;
  return since >= std::chrono::milliseconds{0} && since < span_;
}

void PressGuard::SetClock(Clock clock) { TestClock() = std::move(clock); }

std::chrono::milliseconds PressGuard::Now() {
  if (TestClock()) return TestClock()();
  return std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace vantrel
