#pragma once

#include <windows.h>

// The first byte of the module (program or library) that the code calling
// this is linked into, placed there by the linker.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace vantrel {

// The handle of this module, whose resources are the module's own pictures
// and icons: the expert library's when the code runs in it, not the host's.
inline HMODULE ThisModule() { return reinterpret_cast<HMODULE>(&__ImageBase); }

}  // namespace vantrel
