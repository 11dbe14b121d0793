#pragma once

#include "platform/fs/FileSystem.h"

namespace vantrel {

// The file system of this machine. Windows-style paths are turned into POSIX
// ones (every backslash becomes '/') just before each system call.
class PosixFileSystem : public FileSystem {
 public:
  std::unique_ptr<OutputFile> CreateFile(const std::string& path) override;
  bool MakeDirectory(const std::string& path) override;
  bool DirectoryExists(const std::string& path) const override;
  bool FileExists(const std::string& path) const override;
  std::optional<std::string> ReadFile(const std::string& path) const override;
  std::string CurrentDirectory() const override;
  std::vector<std::string> Drives() const override;
  std::vector<std::string> Subdirectories(const std::string& path) const override;
  std::string DisplayPath(const std::string& path) const override;

  // The POSIX form of a Windows-style path.
  static std::string ToNative(const std::string& path);
};

}  // namespace vantrel
