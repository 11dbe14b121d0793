#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "host/HostTypes.h"

namespace vantrel::host {

// Operations on raw counted strings (see HostStr). Each is safe on null.
HostStr HostStrNew(std::string_view text);  // Reference count 1; "" gives null.
void HostStrAddRef(HostStr s);
void HostStrRelease(HostStr s);
std::size_t HostStrLength(HostStr s);
std::int32_t HostStrRefCount(HostStr s);  // 0 for null.
std::string_view HostStrView(HostStr s);

// Stores a new copy of text in *result, releasing what *result held.
void HostStrAssign(HostStr* result, std::string_view text);

// Owns one reference to a counted string.
class HostString {
 public:
  HostString() = default;
  explicit HostString(std::string_view text) : s_(HostStrNew(text)) {}
  HostString(const HostString& other) : s_(other.s_) { HostStrAddRef(s_); }
  HostString& operator=(const HostString& other);
  ~HostString() { HostStrRelease(s_); }

  HostStr get() const { return s_; }
  // The slot to pass to an operation that stores a string result.
  HostStr* out() { return &s_; }
  std::string_view view() const { return HostStrView(s_); }
  std::string str() const { return std::string(view()); }

 private:
  HostStr s_ = nullptr;
};

}  // namespace vantrel::host
