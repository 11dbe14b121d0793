#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/fs/OutputFile.h"

namespace vantrel {

// The file system as the wizard sees it. Every path is a Windows-style byte
// string ("C:\Work\Demo.bpr", "/home/me/work\res\Demo.rc2"): backslashes
// separate the parts, and an implementation maps them to its own form only
// where it calls the operating system.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Starts a file at path, to be written and finished through the result.
  // Throws FileError (CannotCreate) when the file cannot be created: its
  // directory is missing, the path is a directory, or an existing file of
  // that name is read-only.
  virtual std::unique_ptr<OutputFile> CreateFile(const std::string& path) = 0;

  // Creates one directory. False when it could not (it exists already, or
  // its parent is missing).
  virtual bool MakeDirectory(const std::string& path) = 0;

  virtual bool DirectoryExists(const std::string& path) const = 0;
  virtual bool FileExists(const std::string& path) const = 0;

  // The whole content of a file, or nothing when it cannot be read.
  virtual std::optional<std::string> ReadFile(const std::string& path) const = 0;

  // The process's current directory, in this layer's path form.
  virtual std::string CurrentDirectory() const = 0;

  // The roots of the file systems, one per drive ("C:\" on Windows, "/" here).
  virtual std::vector<std::string> Drives() const = 0;

  // The names (not paths) of the subdirectories of path, sorted.
  virtual std::vector<std::string> Subdirectories(const std::string& path) const = 0;

  // The path in the form a person reads on this platform.
  virtual std::string DisplayPath(const std::string& path) const { return path; }
};

}  // namespace vantrel
