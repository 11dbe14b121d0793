#pragma once

#include <cstdint>

namespace vantrel::host {

// The host's counted string, as it crosses the library boundary: a pointer to
// the first character of a block allocated with malloc, laid out as
//   int32 reference count | int32 length | length bytes | one NUL byte
// with the pointer aimed at the bytes. A null pointer is the empty string.
// Whoever drops the last reference frees the block with free, so the host and
// the library may each release strings the other made.
using HostStr = char*;

// A one-byte boolean, as the host's interfaces return it.
using HostBool = bool;
static_assert(sizeof(HostBool) == 1);

// A window of the host's desktop: an X window id, 0 for none.
using HostWindow = std::uintptr_t;

// A picture handed to the host as a glyph: width x height pixels, rows from
// the top, each pixel 0xAARRGGBB (alpha 0 for a transparent pixel).
struct HostIcon {
  std::int32_t width;
  std::int32_t height;
  const std::uint32_t* pixels;
};
using HostIconHandle = const HostIcon*;

}  // namespace vantrel::host
