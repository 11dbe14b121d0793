#pragma once

#include <span>

#include "platform/resources/ModulePicture.h"

namespace vantrel {

// The pictures of resources/, sorted by name; defined by the source that the
// build writes from them.
std::span<const ModulePicture> EmbeddedPictures();

}  // namespace vantrel
