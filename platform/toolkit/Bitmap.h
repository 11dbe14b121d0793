#pragma once

#include <string>

#include "platform/toolkit/Types.h"

namespace vantrel {

// A bitmap loaded from the module's own resources.
class TBitmap {
 public:
  // Loads the named bitmap resource; throws ResourceNotFound when the
  // module's picture source does not know it.
  void LoadFromResourceName(const std::string& name);

  const std::string& ResourceName() const { return name_; }
  const Pixmap& Pixels() const { return pixels_; }

 private:
  std::string name_;
  Pixmap pixels_;
};

}  // namespace vantrel
