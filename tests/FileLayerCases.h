#pragma once

// The fault cases every file layer must pass against a real directory of
// its platform: whole files or none, nothing replaced that should not be,
// one run per directory, every refusal naming the path and the reason. Each
// platform's test supplies its directory and the system's words.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/fs/FileSystem.h"

namespace vantrel::test {

// A fresh directory of the platform, and the native means of setting up
// files in it and of looking at it, independent of the layer under test.
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
  // Everything below the subdirectory sub, by relative name: each entry's
  // kind, mode or attributes, and a file's content.
  virtual std::map<std::string, std::string> Listing(const std::string& sub) const = 0;
  // A symbolic link at relative to target (relative to the link's own
  // directory), and its removal; false where links cannot be made.
  virtual bool MakeLink(const std::string& /*target*/, const std::string& /*relative*/) { return false; }
  virtual bool RemoveLink(const std::string& /*relative*/) { return false; }
  // The directory's own path, without a separator at its end.
  std::string Top() const {
    const std::string here = Path("");
    return here.substr(0, here.size() - Separator().size());
  }
};

// A NativeDirectory made through std::filesystem, which both platforms
// have: a fresh directory below the system's temporary one, files put and
// read as bytes, names and listings. What the platform keeps of an entry
// beyond its content (a POSIX mode, Windows attributes) comes from Mode. An
// absolute path stands for itself wherever a relative one is taken.
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
  // Makes the directory of that name anew; Remove takes it away again,
  // read-only entries too.
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

// A new file, a replaced one, files dropped before they are finished, and a
// file that appears at the name while a new one is written (it is kept).
void ExpectWholeFilesOrNone(FileSystem& files, NativeDirectory& dir);

// Each refusal, from the creation and, where it can be foreseen, from the
// check before writing, with the same message; nothing is changed.
void ExpectRefusalsNameThePathAndTheReason(FileSystem& files, NativeDirectory& dir, const NativeReasons& reasons);

// The directory checks before writing, one lock per directory, and the
// queries: a directory made once, files and directories told apart.
void ExpectDirectoryChecksAndOneLock(FileSystem& files, NativeDirectory& dir, const NativeReasons& reasons);

// A run's directory, opened and locked: names below it, "res" made and made
// again, a file written in it, a file in place of a directory refused with
// the reason, and other runs kept out.
void ExpectLockedDirectoryWorksBelowIt(FileSystem& files, NativeDirectory& dir, const NativeReasons& reasons);

// The temporaries a killed run left (leftovers: names of the layer's own
// pattern, in the directory and in "res") are removed by the next run that
// holds the lock, through the file system and through a locked directory;
// names that only look alike (nearMisses) stay.
void ExpectLeftoversRemoved(FileSystem& files, NativeDirectory& dir, const std::vector<std::string>& leftovers,
                            const std::vector<std::string>& nearMisses);

// A link at a file's name, dangling or to a file, is a file there, kept
// unless files may be replaced, then replaced itself while its target stays
// as it was; a link where a run would make "res" is refused by the locked
// directory a run works in, once for the run; the location itself may be a
// link.
void ExpectLinksAreNeverFollowed(FileSystem& files, NativeDirectory& dir);

// A run of project "Two", into an empty location and over project "One" of
// another view class, fails or is stopped at every file position while it
// writes the files and while it puts them in place: afterwards the location
// is exactly as it was. Without a fault the run writes the whole project.
void ExpectARunChangesAllOrNothing(FileSystem& files, NativeDirectory& dir);

// A run killed after each placement leaves its journal; the next run takes
// the placements back (the location is as before the killed run, and says
// so), then writes its own project whole. A journal naming files outside
// the project's own is not trusted with them.
void ExpectAKilledRunIsTakenBack(FileSystem& files, NativeDirectory& dir);

// Writes a whole file; whether it replaced one.
bool WriteWhole(FileSystem& files, const std::string& path, const std::string& bytes,
                ExistingFile existing = ExistingFile::Replace);

// The message of a problem found; empty when none.
inline std::string WhatOf(const std::optional<FileError>& problem) { return problem ? problem->what() : ""; }

// The message of the FileError that action raises; empty when none.
template <typename Action>
std::string ErrorOf(Action action) {
  try {
    action();
  } catch (const FileError& error) {
    return error.what();
  }
  return "";
}

}  // namespace vantrel::test
