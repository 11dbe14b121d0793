#pragma once

#include <cstdint>
#include <string>

namespace vantrel::le {

// Appends integers to a byte string in little-endian order, as the Windows
// picture file formats store them.
inline void Put8(std::string& out, std::uint32_t value) { out.push_back(static_cast<char>(value & 0xFF)); }

inline void Put16(std::string& out, std::uint32_t value) {
  Put8(out, value);
  Put8(out, value >> 8);
}

inline void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace vantrel::le
