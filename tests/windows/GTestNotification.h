// A forced include for GoogleTest on Windows: its one class that needs
// std::mutex, which the win32 thread model lacks. It only starts GoogleTest's
// own self-test threads, so spinning on an atomic flag is enough.
#pragma once

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

// Lets a controlling thread hold back the threads it starts until Notify.
class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_.store(true); }
  void WaitForNotification() {
    while (!notified_.load()) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
