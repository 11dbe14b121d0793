#include <windows.h>

#include <string>

#include "host/ExpertGlyph.h"
#include "platform/resources/Win32Module.h"

namespace vantrel::host {

HostIconHandle ExpertGlyph(std::string_view iconName) {
  // A shared icon is loaded once and belongs to the module: every call
  // returns the same handle, which the system frees when the library is
  // unloaded, so the host never has to.
  const std::string name(iconName);
  return static_cast<HICON>(LoadImageA(ThisModule(), name.c_str(), IMAGE_ICON, 32, 32, LR_SHARED));
}

}  // namespace vantrel::host
