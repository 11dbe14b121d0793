#include "platform/fs/PathLockedDirectory.h"

namespace vantrel {

PathLockedDirectory::PathLockedDirectory(FileSystem& fs, std::unique_ptr<DirectoryLock> lock, std::string location,
                                         std::string separator)
    : fs_(fs), lock_(std::move(lock)), location_(std::move(location)), separator_(std::move(separator)) {}

std::string PathLockedDirectory::PathOf(std::string_view relative) const {
  return relative.empty() ? location_ : fs_.ProjectPath(location_, separator_, relative);
}

std::optional<FileError> PathLockedDirectory::CheckDirectory(std::string_view relative, bool mayBeMissing) const {
  return fs_.CheckDirectory(PathOf(relative), mayBeMissing);
}

std::optional<FileError> PathLockedDirectory::CheckNewFile(std::string_view relative, ExistingFile existing) const {
  return fs_.CheckNewFile(PathOf(relative), existing);
}

std::unique_ptr<OutputFile> PathLockedDirectory::CreateFile(std::string_view relative, ExistingFile existing) {
  return fs_.CreateFile(PathOf(relative), existing);
}

bool PathLockedDirectory::MakeDirectory(std::string_view relative) {
  const std::string path = PathOf(relative);
  if (fs_.MakeDirectory(path)) return true;
  // Something is there already. A directory the run makes is never a link,
  // so what is there is judged as one; a directory is used as it is. A
  // problem the check finds in the parent is not this directory's own, so
  // the plain check then gives the system's words for this one.
  auto problem = fs_.CheckDirectory(path, true);
  if (!problem || problem->path() != path) problem = fs_.CheckDirectory(path, false);
  if (!problem && fs_.DirectoryExists(path)) return false;
  throw FileError(FileError::Kind::BadDirectory, path, problem ? problem->reason() : "it cannot be made");
}

bool PathLockedDirectory::RemoveEmptyDirectory(std::string_view relative) {
  return fs_.RemoveEmptyDirectory(PathOf(relative));
}

std::vector<std::string> PathLockedDirectory::RemoveLeftovers() { return fs_.RemoveLeftovers(location_); }

std::unique_ptr<LockedDirectory> FileSystem::OpenLocked(const std::string& location, const std::string& separator) {
  return std::make_unique<PathLockedDirectory>(*this, LockDirectory(location), location, separator);
}

}  // namespace vantrel
