#include "platform/fs/FileSystem.h"

namespace vantrel {
namespace {

// A locked directory of a layer that works by path: every name is joined to
// the location's path and handed to the file system's own operations.
class PathLockedDirectory : public LockedDirectory {
 public:
  PathLockedDirectory(FileSystem& fs, std::unique_ptr<DirectoryLock> lock, std::string location,
                      std::string separator)
      : fs_(fs), lock_(std::move(lock)), location_(std::move(location)), separator_(std::move(separator)) {}

  std::string PathOf(std::string_view relative) const override {
    return relative.empty() ? location_ : fs_.ProjectPath(location_, separator_, relative);
  }
  std::optional<FileError> CheckDirectory(std::string_view relative, bool mayBeMissing) const override {
    return fs_.CheckDirectory(PathOf(relative), mayBeMissing);
  }
  std::optional<FileError> CheckNewFile(std::string_view relative, ExistingFile existing) const override {
    return fs_.CheckNewFile(PathOf(relative), existing);
  }
  std::unique_ptr<OutputFile> CreateFile(std::string_view relative, ExistingFile existing) override {
    return fs_.CreateFile(PathOf(relative), existing);
  }
  bool MakeDirectory(std::string_view relative) override {
    const std::string path = PathOf(relative);
    if (fs_.DirectoryExists(path)) return false;
    if (fs_.MakeDirectory(path)) return true;
    auto problem = fs_.CheckDirectory(path, false);
    throw FileError(FileError::Kind::BadDirectory, path, problem ? problem->reason() : "it cannot be made");
  }
  bool RemoveEmptyDirectory(std::string_view relative) override { return fs_.RemoveEmptyDirectory(PathOf(relative)); }
  std::vector<std::string> RemoveLeftovers() override { return fs_.RemoveLeftovers(location_); }

 private:
  FileSystem& fs_;
  std::unique_ptr<DirectoryLock> lock_;
  std::string location_;
  std::string separator_;
};

}  // namespace

std::unique_ptr<LockedDirectory> FileSystem::OpenLocked(const std::string& location, const std::string& separator) {
  return std::make_unique<PathLockedDirectory>(*this, LockDirectory(location), location, separator);
}

}  // namespace vantrel
