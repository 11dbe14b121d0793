#pragma once

#include "platform/fs/FileSystem.h"

namespace vantrel {

// The file system of Windows, through the ANSI (...A) calls with every path
// exactly as typed, in the process's ANSI code page. Generated names join a
// location as the run's separator says: the backslash is this platform's
// own separator.
class Win32FileSystem : public FileSystem {
 public:
  std::string ProjectPath(const std::string& location, const std::string& separator,
                          std::string_view relative) const override;
  std::unique_ptr<DirectoryLock> LockDirectory(const std::string& path) override;
  // Placeholders until this layer knows its own limits and temporaries:
  // nothing is found too long here, and nothing is left to remove.
  std::size_t PathOverrun(const std::string&) const override { return 0; }
  std::vector<std::string> RemoveLeftovers(const std::string&) override { return {}; }
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
};

}  // namespace vantrel
