#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vantrel::cli {

// Where the command's text goes: into a string (the report for standard
// output, printed whole at the end, and everything a test reads) or at once
// to a C stream (standard error). The command uses this rather than the C++
// streams, which weigh some 1 MB in a static Windows program.
class TextOutput {
 public:
  explicit TextOutput(std::string& text) : text_(&text) {}
  explicit TextOutput(std::FILE* stream) : stream_(stream) {}

  TextOutput& operator<<(std::string_view text) {
    if (text_ != nullptr)
      text_->append(text);
    else
      std::fwrite(text.data(), 1, text.size(), stream_);
    return *this;
  }
  TextOutput& operator<<(const char* text) { return *this << std::string_view(text); }
  TextOutput& operator<<(const std::string& text) { return *this << std::string_view(text); }
  TextOutput& operator<<(int number) { return *this << std::to_string(number); }

 private:
  std::string* text_ = nullptr;
  std::FILE* stream_ = nullptr;
};

}  // namespace vantrel::cli
