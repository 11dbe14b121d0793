#pragma once

#include "platform/fs/FileSystem.h"

namespace vantrel {

// The file system of Windows, through the ANSI (...A) calls with every path
// exactly as typed, in the process's ANSI code page.
class Win32FileSystem : public FileSystem {
 public:
  std::unique_ptr<OutputFile> CreateFile(const std::string& path) override;
  bool MakeDirectory(const std::string& path) override;
  bool DirectoryExists(const std::string& path) const override;
  bool FileExists(const std::string& path) const override;
  std::optional<std::string> ReadFile(const std::string& path) const override;
  std::string CurrentDirectory() const override;
  std::vector<std::string> Drives() const override;
  std::vector<std::string> Subdirectories(const std::string& path) const override;
};

}  // namespace vantrel
