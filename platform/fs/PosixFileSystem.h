#pragma once

#include "platform/fs/FileSystem.h"
#include "platform/fs/PosixOutputFile.h"

namespace vantrel {

// The file system of this machine. Paths are used exactly as given: a
// backslash is an ordinary character of a file name here. Only the names of
// generated files, which separate their parts with backslashes, are turned
// into native form by ProjectPath. A run works in a PosixLockedDirectory;
// the operations by path open the file's directory and work from there too.
class PosixFileSystem : public FileSystem {
 public:
  // Uses every write method the machine offers, less those methods turns off.
  explicit PosixFileSystem(const PosixWriteMethods& methods = {});

  std::string ProjectPath(const std::string& location, const std::string& separator,
                          std::string_view relative) const override;
  std::unique_ptr<DirectoryLock> LockDirectory(const std::string& path) override;
  std::unique_ptr<LockedDirectory> OpenLocked(const std::string& location, const std::string& separator) override;
  std::size_t PathOverrun(const std::string& path) const override;
  std::vector<std::string> RemoveLeftovers(const std::string& directory) override;
  std::optional<FileError> CheckDirectory(const std::string& path, bool mayBeMissing) const override;
  std::optional<FileError> CheckNewFile(const std::string& path, ExistingFile existing) const override;
  std::unique_ptr<OutputFile> CreateFile(const std::string& path, ExistingFile existing) override;
  bool MakeDirectory(const std::string& path) override;
  bool DirectoryExists(const std::string& path) const override;
  bool FileExists(const std::string& path) const override;
  std::optional<std::string> ReadFile(const std::string& path) const override;
  std::string CurrentDirectory() const override;
  std::vector<std::string> Drives() const override;
  std::vector<std::string> Subdirectories(const std::string& path) const override;

 private:
  PosixWriteMethods methods_;
};

}  // namespace vantrel
