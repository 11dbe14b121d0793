#pragma once

#include <unistd.h>

#include <utility>

namespace vantrel {

// Owns one open file descriptor and closes it when destroyed. It can be
// moved but not copied, so that a descriptor is closed exactly once.
class PosixDescriptor {
 public:
  PosixDescriptor() = default;
  explicit PosixDescriptor(int fd) : fd_(fd) {}
  PosixDescriptor(PosixDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  PosixDescriptor& operator=(PosixDescriptor&& other) noexcept {
    if (this != &other) {
      Close();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  PosixDescriptor(const PosixDescriptor&) = delete;
  PosixDescriptor& operator=(const PosixDescriptor&) = delete;
  ~PosixDescriptor() { Close(); }

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

  // Closes the descriptor now; returns close's result (0 when none was open).
  int Close() { return fd_ < 0 ? 0 : ::close(std::exchange(fd_, -1)); }

 private:
  int fd_ = -1;
};

}  // namespace vantrel
