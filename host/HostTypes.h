#pragma once

#include <cstdint>

// The calling convention of every operation that crosses the boundary
// between host and library: the platform's standard one. On 32-bit Windows
// that is __stdcall (arguments on the stack from right to left, the object
// first, the callee removing them); elsewhere the compiler's default.
#if defined(_WIN32) && defined(__i386__)
#define HOST_CALL __stdcall
#else
#define HOST_CALL
#endif

#if defined(_WIN32)
struct HICON__;  // The system's icon handle, as <windows.h> declares it.
#endif

namespace vantrel::host {

// The host's counted string, as it crosses the library boundary: a pointer to
// the first character of a block laid out as
//   int32 reference count | int32 length | length bytes | one NUL byte
// with the pointer aimed at the bytes. A null pointer is the empty string.
// Blocks come from the process-wide allocator (HostStringMemory.h), and
// whoever drops the last reference frees the block there, so the host and
// the library may each release strings the other made.
using HostStr = char*;

// A one-byte boolean, as the host's interfaces return it.
using HostBool = bool;
static_assert(sizeof(HostBool) == 1);

// A window of the host's desktop, 0 for none: a window handle on Windows,
// an X window id elsewhere.
using HostWindow = std::uintptr_t;
static_assert(sizeof(HostWindow) == sizeof(void*));

#if defined(_WIN32)
// The expert's glyph is an icon handle of the system.
using HostIconHandle = HICON__*;
#else
// A picture handed to the host as a glyph: width x height pixels, rows from
// the top, each pixel 0xAARRGGBB (alpha 0 for a transparent pixel).
struct HostIcon {
  std::int32_t width;
  std::int32_t height;
  const std::uint32_t* pixels;
};
using HostIconHandle = const HostIcon*;
#endif

}  // namespace vantrel::host
