#pragma once

#include <string_view>

namespace vantrel {

// Every line of every generated text file ends in carriage return and line
// feed, the last line included.
inline constexpr std::string_view kLineEnd = "\r\n";

}  // namespace vantrel
