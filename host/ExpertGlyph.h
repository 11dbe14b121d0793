#pragma once

#include <string_view>

#include "host/HostTypes.h"

namespace vantrel::host {

// The module's icon of that name as a glyph for the host, or null when the
// module has no such icon. The glyph is made on first use and lives as long
// as the library, so every call returns the same handle.
HostIconHandle ExpertGlyph(std::string_view iconName);

}  // namespace vantrel::host
