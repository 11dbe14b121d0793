#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/fs/FileError.h"
#include "platform/fs/FileSystem.h"

namespace vantrel {

// What a file layer found at the path a file is to be written to, in the
// terms the rule below needs; each layer gathers them its own way.
struct TargetFacts {
  enum class What {
    Nothing,    // No entry at the path.
    File,       // A regular file.
    Link,       // A link, looked at and not followed.
    Directory,  // A directory, or a link to one that no file can replace in one step.
    Other,      // A pipe, socket or device.
  };
  What what = What::Nothing;
  bool readOnly = false;  // A file nobody may write.
};

// The one rule every file layer applies before it creates a file, and
// again before it puts a replacement in place: why a file cannot be
// written over what facts describes, if it cannot. directoryReason is the
// system's words for a directory in the way.
//
// - A directory, pipe, socket or device is refused whether files may be
//   replaced or not, named as what it is.
// - Anything else at the path is a file to keep unless files may be
//   replaced (Exists).
// - A link is replaced itself; what it points to is not touched.
// - A read-only file is never replaced.
std::optional<FileError> TargetRefusal(const TargetFacts& facts, const std::string& path, ExistingFile existing,
                                       std::string_view directoryReason);

}  // namespace vantrel
