// Built into GoogleTest for Windows (a forced include): the one class of its
// own that it would build on std::mutex and std::condition_variable, which
// the compiler's win32 thread model lacks. GoogleTest uses it only to start
// the threads of its own self-tests, never in ours, so waiting by spinning
// on an atomic flag is enough; <windows.h> stays out of every test source.
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
