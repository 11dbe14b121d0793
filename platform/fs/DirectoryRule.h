#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/fs/FileError.h"

namespace vantrel {

// What a file layer found at the path of a directory files are to be made
// in, in the terms the rule below needs; each layer gathers them its own way.
struct DirectoryFacts {
  enum class What {
    Usable,    // A directory this process may add files to.
    Missing,   // No entry at the path.
    Link,      // A link, looked at and not followed.
    Unusable,  // Anything else: not a directory, removed while open, not writable.
  };
  What what = What::Usable;
  std::string reason;  // The system's words for a missing or unusable directory.
};

// The one rule every file layer applies to a directory files are to be made
// in: why they cannot be, if they cannot. mayBeMissing marks a directory the
// run makes itself, as against the location the user chose.
//
// - A directory the run makes may be missing, when the directory it would be
//   made in passes the check instead (checkParent). Any other missing
//   directory is refused with the system's words.
// - A directory the run makes is never a link: files are not written through
//   one. The location may be one, and stands for the directory it leads to.
// - An unusable directory is refused with the system's words.
std::optional<FileError> DirectoryRefusal(const DirectoryFacts& facts, const std::string& path, bool mayBeMissing,
                                          const std::function<std::optional<FileError>()>& checkParent);

}  // namespace vantrel
