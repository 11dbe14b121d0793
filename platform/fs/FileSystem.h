#pragma once

#include <cstddef>
#include <functional>
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

// The directory a run writes into, opened and locked once. Every name below
// it is a generated name (backslash-separated, "res\Demo.rc2"; "" is the
// directory itself) and is found from the directory that was opened, never
// again from its path: a directory renamed or replaced by a link meanwhile
// does not send the files elsewhere. No name below it is followed through a
// link: a link at a file's name is replaced, and a link in place of a
// directory is refused. Failures raise FileError naming the full path.
class LockedDirectory : public DirectoryLock {
 public:
  // The native full path of a name below the directory, for messages and for
  // others (the IDE) to use.
  virtual std::string PathOf(std::string_view relative) const = 0;

  // Why files cannot be created in the directory relative, by the rule
  // DirectoryRefusal states (see FileSystem::CheckDirectory).
  virtual std::optional<FileError> CheckDirectory(std::string_view relative, bool mayBeMissing) const = 0;

  // Why CreateFile(relative, existing) would fail; see FileSystem::CheckNewFile.
  virtual std::optional<FileError> CheckNewFile(std::string_view relative, ExistingFile existing) const = 0;

  // Starts a file; see FileSystem::CreateFile.
  virtual std::unique_ptr<OutputFile> CreateFile(std::string_view relative, ExistingFile existing) = 0;

  // Makes the directory relative unless it exists already; true when it
  // made it. Throws FileError (BadDirectory) with the system's reason when
  // it cannot, and when a link is there.
  virtual bool MakeDirectory(std::string_view relative) = 0;

  // Removes the directory relative if it is empty, as when a run that made
  // it changes nothing after all. False when it could not.
  virtual bool RemoveEmptyDirectory(std::string_view relative) = 0;

  // Why this process cannot hold count more files open at once, which a run
  // needs to complete every file before it puts any in place. Nothing when
  // it can, or when the system does not tell.
  virtual std::optional<FileError> CheckOpenFiles(std::size_t) const { return std::nullopt; }

  // The journal of a run's placements: written before the first file is
  // put in place, removed when the run ends, and read by the next run that
  // takes the lock when a run was killed in between. A layer without one
  // keeps none.
  struct JournalEntry {
    std::string relative;  // The generated name.
    std::string note;      // OutputFile::JournalNote.
    bool directory = false;  // A directory the run made, removed again if empty.
    bool replaces = false;   // The file replaces one (else it is new).
  };
  virtual void WriteJournal(const std::string&, const std::vector<JournalEntry>&) {}
  virtual void RemoveJournal() {}
  // The native path of a journal a killed run left, if there is one.
  virtual std::optional<std::string> PendingJournal() const { return std::nullopt; }
  // Takes back what the run that left the journal placed: removes the
  // names it created and puts back the files it replaced, acting only on
  // names that belongs (project, relative) accepts; then removes the
  // journal. Returns a line for each thing done or left alone.
  virtual std::vector<std::string> RollBack(
      bool (*)(const std::string& project, const std::string& relative)) {
    return {};
  }

  // Removes the temporaries that a run killed before it could remove them
  // left in the directory and in its "res"; see FileSystem::RemoveLeftovers.
  virtual std::vector<std::string> RemoveLeftovers() = 0;
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
//   and sticky bits, its access control list and its extended attributes
//   (a hard link to it keeps the old content: the replacement is a new
//   file);
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
  // writable by this process; one the run makes is not a link. Every layer
  // applies DirectoryRefusal (DirectoryRule.h). Nothing when no problem is
  // known.
  virtual std::optional<FileError> CheckDirectory(const std::string& path,
                                                  bool mayBeMissing) const = 0;

  // Why CreateFile(path, existing) would fail, found without writing
  // anything: a directory, a read-only file, an existing file to keep, a
  // name too long. Nothing when no problem is known; a missing parent is
  // CheckDirectory's business.
  virtual std::optional<FileError> CheckNewFile(const std::string& path,
                                                ExistingFile existing) const = 0;

  // Opens the directory at location, takes its lock (as LockDirectory) and
  // returns it for a run to work in. separator is the run's separator for
  // location (see ProjectPath). This default works by path through the
  // other operations; a layer that can hold a directory open works from the
  // open directory instead.
  virtual std::unique_ptr<LockedDirectory> OpenLocked(const std::string& location, const std::string& separator);

  // By how many characters the longest path the layer uses for a file at
  // path (the path itself, or a temporary beside it) exceeds what the system
  // accepts; 0 when every one fits.
  virtual std::size_t PathOverrun(const std::string& path) const = 0;

  // Removes the temporaries this layer names its unfinished files by, left
  // in directory and in its "res" by a run that was killed before it could
  // remove them. Only to be called while holding the directory's lock, when
  // no live run can own them. Returns the paths removed.
  virtual std::vector<std::string> RemoveLeftovers(const std::string& directory) = 0;

  // Starts a file at path, to be written and finished through the result.
  // Throws FileError (CannotCreate, or Exists) when it cannot be started;
  // with ExistingFile::Keep a file already there may only be found when the
  // result puts the new file in place (Exists from Finish), since that step
  // never replaces anything anyway.
  virtual std::unique_ptr<OutputFile> CreateFile(const std::string& path, ExistingFile existing) = 0;

  // Creates one directory. False when it could not (it exists already, or
  // its parent is missing).
  virtual bool MakeDirectory(const std::string& path) = 0;

  // Removes one empty directory. False when it could not.
  virtual bool RemoveEmptyDirectory(const std::string&) { return false; }

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
