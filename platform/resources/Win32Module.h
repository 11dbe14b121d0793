#pragma once

#include <windows.h>

#include <string_view>

// The first byte of the module (program or library) that the code calling
// this is linked into, placed there by the linker.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace vantrel {

// The handle of this module, whose resources are the module's own pictures
// and icons: the expert library's when the code runs in it, not the host's.
inline HMODULE ThisModule() { return reinterpret_cast<HMODULE>(&__ImageBase); }

// The bytes of this module's resource of that name and type, as the module
// holds them (a bitmap's device-independent bitmap without a file header),
// or empty when it has none. They stay valid while the module is loaded.
std::string_view ModuleResource(LPCSTR name, LPCSTR type);

// The image of this module's icon of that name: the resource of type
// RT_ICON that the first entry of its icon group names, or empty.
std::string_view ModuleIconImage(LPCSTR name);

}  // namespace vantrel
