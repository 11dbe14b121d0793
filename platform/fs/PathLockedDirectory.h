#pragma once

#include <memory>
#include <string>

#include "platform/fs/FileSystem.h"

namespace vantrel {

// A locked directory of a layer that works by path: every name is joined to
// the location's path and handed to the file system's own operations.
class PathLockedDirectory : public LockedDirectory {
 public:
  PathLockedDirectory(FileSystem& fs, std::unique_ptr<DirectoryLock> lock, std::string location,
                      std::string separator);

  std::string PathOf(std::string_view relative) const override;
  std::optional<FileError> CheckDirectory(std::string_view relative, bool mayBeMissing) const override;
  std::optional<FileError> CheckNewFile(std::string_view relative, ExistingFile existing) const override;
  std::unique_ptr<OutputFile> CreateFile(std::string_view relative, ExistingFile existing) override;
  bool MakeDirectory(std::string_view relative) override;
  bool RemoveEmptyDirectory(std::string_view relative) override;
  std::vector<std::string> RemoveLeftovers() override;

 protected:
  FileSystem& fs_;

 private:
  std::unique_ptr<DirectoryLock> lock_;
  std::string location_;
  std::string separator_;
};

}  // namespace vantrel
