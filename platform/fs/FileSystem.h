#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fs/FileError.h"
#include "platform/fs/OutputFile.h"

namespace vantrel {

// What creating a file does with a file already at its path.
enum class ExistingFile {
  Keep,     // Refuse (FileError::Kind::Exists); never overwrite anything.
  Replace,  // Replace it as a whole, unless it is read-only.
};

// Held while a run writes into a directory; destroying it releases the lock.
class DirectoryLock {
 public:
  virtual ~DirectoryLock() = default;
};

// The file system as the wizard sees it. Every path is a native path of the
// platform, used exactly as given: only the names of generated files below a
// location ("res\Demo.rc2") are in the generator's own form, and ProjectPath
// turns them into native paths.
//
// Every implementation keeps these guarantees:
// - a file appears under its final name only complete, new or replaced
//   (written beside it, then put in place as one step);
// - a new file is put in place without replacing a file that appeared at
//   its path meanwhile;
// - a read-only file (one nobody may write) is never replaced, and a
//   replaced file keeps its owner, group and permissions, less the set-ID
//   and sticky bits;
// - a failure raises FileError naming the full path and the reason.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The native path of the generated file relative (backslash-separated)
  // below location. separator is the run's separator for location ("" or
  // "\"), which a platform whose separator is the backslash joins as it is.
  virtual std::string ProjectPath(const std::string& location, const std::string& separator,
                                  std::string_view relative) const = 0;

  // Takes an exclusive lock on the directory itself (no lock file), held
  // until the result is destroyed. Throws FileError: Busy when another run
  // holds it, BadDirectory when path is not a directory that can be opened.
  virtual std::unique_ptr<DirectoryLock> LockDirectory(const std::string& path) = 0;

  // Why files cannot be created in the directory at path, found without
  // writing anything: it is missing (unless mayBeMissing, when it is to be
  // made in a parent that can be written to), not a directory, gone, or not
  // writable by this process. Nothing when no problem is known.
  virtual std::optional<FileError> CheckDirectory(const std::string& path,
                                                  bool mayBeMissing) const = 0;

  // Why CreateFile(path, existing) would fail, found without writing
  // anything: a directory, a read-only file, an existing file to keep, a
  // name too long. Nothing when no problem is known; a missing parent is
  // CheckDirectory's business.
  virtual std::optional<FileError> CheckNewFile(const std::string& path,
                                                ExistingFile existing) const = 0;

  // Starts a file at path, to be written and finished through the result.
  // Throws FileError (CannotCreate, or Exists) when it cannot be started;
  // with ExistingFile::Keep a file already there may only be found when the
  // result puts the new file in place (Exists from Finish), since that step
  // never replaces anything anyway.
  virtual std::unique_ptr<OutputFile> CreateFile(const std::string& path, ExistingFile existing) = 0;

  // Creates one directory. False when it could not (it exists already, or
  // its parent is missing).
  virtual bool MakeDirectory(const std::string& path) = 0;

  virtual bool DirectoryExists(const std::string& path) const = 0;
  virtual bool FileExists(const std::string& path) const = 0;

  // The whole content of a file, or nothing when it cannot be read.
  virtual std::optional<std::string> ReadFile(const std::string& path) const = 0;

  // The process's current directory.
  virtual std::string CurrentDirectory() const = 0;

  // The roots of the file systems, one per drive ("C:\" on Windows, "/" here).
  virtual std::vector<std::string> Drives() const = 0;

  // The names (not paths) of the subdirectories of path, sorted.
  virtual std::vector<std::string> Subdirectories(const std::string& path) const = 0;
};

}  // namespace vantrel
