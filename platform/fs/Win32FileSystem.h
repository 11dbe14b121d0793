#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/fs/FileSystem.h"
#include "platform/fs/Win32OutputFile.h"

namespace vantrel {

// The file system of Windows, through the ANSI (...A) calls in the
// process's ANSI code page. A location is resolved to the full path the
// system makes of it (FullPath) before it is used, so that "Y:", a relative
// name or trailing spaces and dots mean the same directory to the checks,
// the lock and every file; generated names then join it with this
// platform's own separator, the backslash.
class Win32FileSystem : public FileSystem {
 public:
  // Uses every write method the system offers, less those methods turns off.
  explicit Win32FileSystem(const Win32WriteMethods& methods = {});

  std::string ProjectPath(const std::string& location, const std::string& separator,
                          std::string_view relative) const override;
  std::unique_ptr<DirectoryLock> LockDirectory(const std::string& path) override;
  // The locked location, which keeps a run's journal.
  std::unique_ptr<LockedDirectory> OpenLocked(const std::string& location, const std::string& separator) override;
  std::optional<FileError> CheckDirectory(const std::string& path, bool mayBeMissing) const override;
  std::optional<FileError> CheckNewFile(const std::string& path, ExistingFile existing) const override;
  std::unique_ptr<OutputFile> CreateFile(const std::string& path, ExistingFile existing) override;
  bool MakeDirectory(const std::string& path) override;
  bool RemoveEmptyDirectory(const std::string& path) override;
  bool DirectoryExists(const std::string& path) const override;
  bool FileExists(const std::string& path) const override;
  std::optional<std::string> ReadFile(const std::string& path) const override;
  std::string CurrentDirectory() const override;
  std::vector<std::string> Drives() const override;
  std::vector<std::string> Subdirectories(const std::string& path) const override;

  // By how many characters the longest path the layer uses for a file at
  // path (the path itself, or its temporary beside it) exceeds what the
  // system takes; 0 when all fit. CheckNewFile refuses such a path.
  std::size_t PathOverrun(const std::string& path) const override;

  // Removes what a killed run left in directory and in its "res": files
  // with the layer's temporary names (hidden, of fixed length), which no
  // live run can own while the caller holds the directory's lock. Returns
  // the paths removed.
  std::vector<std::string> RemoveLeftovers(const std::string& directory) override;

 private:
  Win32WriteMethods methods_;
};

}  // namespace vantrel
