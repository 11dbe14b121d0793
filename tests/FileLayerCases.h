#pragma once

// The fault cases every file layer passes against a directory of its own
// platform; each platform's test supplies the directory and the system's
// words.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/fs/FileSystem.h"
#include "tests/TestSupport.h"

namespace vantrel::test {

// A fresh directory, set up and looked at by native means, independent of
// the layer under test.
class NativeDirectory {
 public:
  virtual ~NativeDirectory() = default;
  // The native path of a name (or names joined by the native separator).
  virtual std::string Path(const std::string& relative) const = 0;
  virtual std::string Separator() const = 0;
  // A file with that content; a read-only one may not be written by anyone.
  virtual void Put(const std::string& relative, const std::string& content, bool readOnly = false) = 0;
  virtual void MakeDirectory(const std::string& relative) = 0;
  // The sorted names in the directory itself.
  virtual std::vector<std::string> Entries() const = 0;
  // Everything below sub by relative name: kind, mode, and a file's content.
  virtual std::map<std::string, std::string> Listing(const std::string& sub) const = 0;
  // A symbolic link at relative to target, and its removal; false where
  // links cannot be made.
  virtual bool MakeLink(const std::string& /*target*/, const std::string& /*relative*/) { return false; }
  virtual bool RemoveLink(const std::string& /*relative*/) { return false; }
  // The directory's own path, without a separator at its end.
  std::string Top() const {
    const std::string here = Path("");
    return here.substr(0, here.size() - Separator().size());
  }
};

// A NativeDirectory below the system's temporary one, through
// std::filesystem; what the platform keeps of an entry beyond its content
// (a POSIX mode, Windows attributes) comes from Mode.
class FsDirectory : public NativeDirectory {
 public:
  std::string Path(const std::string& relative) const override;
  std::string Separator() const override;
  void Put(const std::string& relative, const std::string& content, bool readOnly = false) override;
  void MakeDirectory(const std::string& relative) override;
  std::vector<std::string> Entries() const override;
  std::map<std::string, std::string> Listing(const std::string& sub) const override;
  // A file's content; "<none>" when there is none to read.
  std::string Content(const std::string& relative) const;

 protected:
  // Makes the directory anew; Remove takes it away, read-only entries too.
  void Create(const std::string& name);
  virtual void Remove();
  virtual std::string Mode(const std::string& relative) const = 0;
  std::filesystem::path dir_;
};

// The system's words for the refusals whose reason comes from the system.
struct NativeReasons {
  std::string directoryAsFile;   // A directory where a file is to be written.
  std::string nameTooLong;       // A file name longer than the platform takes.
  std::string missingParent;     // A file in a directory that does not exist.
  std::string missingDirectory;  // A directory that does not exist.
  std::string fileAsDirectory;   // A file where a directory is expected.
};

// New and replaced files, files dropped unfinished, and a file that appears
// at the name while a new one is written (it is kept).
void ExpectWholeFilesOrNone(FileSystem& files, NativeDirectory& dir);

// Each refusal, from the creation and from the check before writing, with
// the same message; nothing is changed.
void ExpectRefusalsNameThePathAndTheReason(FileSystem& files, NativeDirectory& dir, const NativeReasons& reasons);

// The directory checks, one lock per directory, and the queries.
void ExpectDirectoryChecksAndOneLock(FileSystem& files, NativeDirectory& dir, const NativeReasons& reasons);

// A run's directory, opened and locked: names, "res", files below it, and
// other runs kept out.
void ExpectLockedDirectoryWorksBelowIt(FileSystem& files, NativeDirectory& dir, const NativeReasons& reasons);

// A killed run's temporaries (leftovers), in the directory and in "res",
// are removed by the next run that holds the lock; look-alikes (nearMisses)
// stay.
void ExpectLeftoversRemoved(FileSystem& files, NativeDirectory& dir, const std::vector<std::string>& leftovers,
                            const std::vector<std::string>& nearMisses);

// A link at a file's name is a file there, replaced itself when files may
// be, its target untouched; a link at "res" is refused, once for a run; the
// location itself may be a link.
void ExpectLinksAreNeverFollowed(FileSystem& files, NativeDirectory& dir);

// A run of project "Two", into an empty location and over project "One",
// failing or stopped at every step leaves the location as it was; without a
// fault it writes the whole project.
void ExpectARunChangesAllOrNothing(FileSystem& files, NativeDirectory& dir);

// A run killed after each placement is taken back by the next run, which
// does not trust its journal with files outside the project.
void ExpectAKilledRunIsTakenBack(FileSystem& files, NativeDirectory& dir);

// Writes a whole file; whether it replaced one.
bool WriteWhole(FileSystem& files, const std::string& path, const std::string& bytes,
                ExistingFile existing = ExistingFile::Replace);

// The message of a problem found; empty when none.
inline std::string WhatOf(const std::optional<FileError>& problem) { return problem ? problem->what() : ""; }

}  // namespace vantrel::test
