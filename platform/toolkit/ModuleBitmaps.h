#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/toolkit/Types.h"

namespace vantrel {

// Where the module's own bitmap resources come from: a lookup by resource
// name. By default, the pictures the module carries; tests may install
// another source, and an empty one restores the default.
using BitmapSource = std::function<std::optional<Pixmap>(std::string_view name)>;

void SetModuleBitmapSource(BitmapSource source);

// The pixels of a module bitmap. Throws ResourceNotFound when the source
// does not know the name.
Pixmap LoadModuleBitmap(std::string_view name);

class ResourceNotFound : public std::runtime_error {
 public:
  explicit ResourceNotFound(const std::string& name)
      : std::runtime_error("Resource " + name + " not found") {}
};

}  // namespace vantrel
