#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/fs/DirectoryRule.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/Journal.h"
#include "platform/fs/PosixOutputFile.h"

namespace vantrel {

// A directory of this machine opened once and locked (flock on the open
// directory itself, which needs permission to read it). Every name below it
// is found from the open directory with *at calls; a subdirectory ("res")
// is opened once, never through a link, and kept open.
//
// The first look at the names of a directory reads the directory once; the
// checks answer from what it read, so that a run examines only the names
// that are there. The checks are a snapshot: what appears later is found
// when a file is put in place (a new file never replaces anything).
class PosixLockedDirectory : public LockedDirectory, private JournalSteps {
 public:
  // Opens path and locks it. Throws FileError (Busy, BadDirectory).
  PosixLockedDirectory(const std::string& path, const PosixWriteMethods& methods);

  std::string PathOf(std::string_view relative) const override;
  std::optional<FileError> CheckDirectory(std::string_view relative, bool mayBeMissing) const override;
  std::optional<FileError> CheckNewFile(std::string_view relative, ExistingFile existing) const override;
  std::unique_ptr<OutputFile> CreateFile(std::string_view relative, ExistingFile existing) override;
  bool MakeDirectory(std::string_view relative) override;
  bool RemoveEmptyDirectory(std::string_view relative) override;
  std::optional<FileError> CheckOpenFiles(std::size_t count) const override;
  std::vector<std::string> RemoveLeftovers() override;
  void WriteJournal(const std::string& project, const std::vector<JournalEntry>& entries) override;
  void RemoveJournal() override;
  std::optional<std::string> PendingJournal() const override;
  std::vector<std::string> RollBack(
      bool (*belongs)(const std::string& project, const std::string& relative)) override;

 private:
  bool IsAsideName(std::string_view temporary, std::string_view backup) const override;
  UndoResult RemoveNew(const JournalPlacement& placement) override;
  UndoResult RestoreOld(const JournalPlacement& placement) override;

  // The open directory holding the file relative and its name there; null
  // with errno set when that directory cannot be opened.
  PosixDirectory DirectoryOf(std::string_view relative, std::string& name) const;
  // The open subdirectory sub (native, "" for the directory itself), opened
  // on first use; null with errno set when it cannot be opened.
  PosixDirectory Subdirectory(const std::string& sub) const;
  // The names in the subdirectory sub ("" for the directory itself), read
  // once; null when it cannot be read.
  const std::set<std::string>* Names(const std::string& sub) const;

  std::string path_;
  PosixDirectory location_;
  PosixWriteMethods methods_;
  // A subdirectory opened, or why it could not be (errno).
  struct OpenedSubdirectory {
    PosixDirectory directory;
    int error = 0;
  };
  mutable std::map<std::string, OpenedSubdirectory> subdirectories_;
  mutable std::map<std::string, std::set<std::string>> names_;
  // The names (relative) at which the checks saw a regular file: creating
  // a file there opens the old one at once instead of looking again.
  mutable std::set<std::string> seenRegular_;
};

// What is at name in the open directory (a path with AT_FDCWD), for the
// directory rule. flags are fstatat's: with AT_SYMLINK_NOFOLLOW a link is
// found as one, without it the link is followed.
DirectoryFacts PosixDirectoryFacts(int directory, const std::string& name, int flags);

// Reads the names in the open directory; false when it cannot be read.
bool PosixReadNames(int directory, std::set<std::string>& names);

// Removes the temporaries of this layer's pattern among names in the open
// directory at path (regular files only); adds their paths to removed.
void PosixRemoveTemporaries(int directory, const std::string& path, const std::set<std::string>& names,
                            std::vector<std::string>& removed);

}  // namespace vantrel
