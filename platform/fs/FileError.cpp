#include "platform/fs/FileError.h"

namespace vantrel {

FileError::FileError(Kind kind, std::string path)
    : std::runtime_error(MessageFor(kind, path)), kind_(kind), path_(std::move(path)) {}

std::string FileError::MessageFor(Kind kind, const std::string& path) {
  if (kind == Kind::CannotCreate) return "Cannot create file " + path;
  return "Cannot write file " + path + " completely (is the disk full?)";
}

}  // namespace vantrel
