#pragma once

#include <sys/stat.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/fs/FileError.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/OutputFile.h"
#include "platform/fs/PosixDescriptor.h"

namespace vantrel {

// The ways this machine offers to write a file beside its final name and to
// put it in place. All are used where the file system supports them; tests
// switch them off to take the paths a file system without them takes.
struct PosixWriteMethods {
  bool anonymousFiles = true;   // O_TMPFILE, linked into place by name.
  bool noReplaceRename = true;  // renameat2 with RENAME_NOREPLACE.
  bool hardLinks = true;        // link, then unlink of the temporary name.
  bool exchange = true;         // renameat2 with RENAME_EXCHANGE.
};

// The system's own words for an error number ("Permission denied").
std::string PosixReason(int error);

// An open directory that the files written into it share.
using PosixDirectory = std::shared_ptr<const PosixDescriptor>;

// The temporaries: a hidden name of this prefix and kTemporarySuffixLength
// further characters from kTemporaryCharacters. A later run removes the
// names of exactly this pattern that a killed run left behind.
inline constexpr std::string_view kTemporaryPrefix = ".vantrel-";
inline constexpr std::size_t kTemporarySuffixLength = 10;
inline constexpr std::string_view kTemporaryCharacters = "abcdefghijklmnopqrstuvwxyz012345";
bool IsTemporaryName(std::string_view name);
// The name a replaced file is renamed aside to where two names cannot be
// exchanged: its replacement's temporary name with the last character
// changed, so that a journal can name it before it is made.
std::string BackupNameFor(std::string_view temporary);

// What is at a name a file is to be written to, as lstat sees it (a link is
// looked at, not followed).
struct PosixTarget {
  bool exists = false;
  struct stat status {};
};

// A file written on this machine, named by a directory held open and a name
// in it (path is the full path, for messages). Its content goes to a file
// beside the target, without a name when the file system allows, else under
// a hidden temporary name; Finish then puts it in place in one step: for a
// new file without replacing anything that appeared meanwhile, for an
// existing one by a rename over it, after giving the new file the old one's
// owner, group, permissions, access control list and extended attributes.
// No name is followed through a link. A file dropped before Finish leaves
// nothing behind.
//
// Written in steps (Stage, Place, then Keep or Undo), an anonymous file stays
// open and without a name until it is placed. A replaced file is exchanged
// with its replacement in one step where the file system can exchange two
// names, and otherwise renamed aside before the replacement takes its name;
// either way it stays under a temporary name until Keep drops it or Undo
// puts it back.
class PosixOutputFile : public OutputFile {
 public:
  // Opens the file; throws FileError (CannotCreate or Exists). seenRegular:
  // the caller has just seen a regular file at the name.
  PosixOutputFile(PosixDirectory directory, std::string name, std::string path, ExistingFile existing,
                  const PosixWriteMethods& methods, bool seenRegular = false);
  ~PosixOutputFile() override;

  void Write(std::string_view bytes) override;
  void Stage() override;
  void Place() override;
  bool Undo() override;
  void Keep() override;
  // A new file's inode; for a replacement, the replaced file's inode, the
  // replacement's temporary name (where an exchange leaves the old file)
  // and the name a rename aside would give it.
  std::string JournalNote() const override;
  bool ReplacesExisting() const override { return replaces_; }

  // Looks at name in directory: fills target and returns the problem
  // creating a file there would meet, if any (path names it in messages).
  static std::optional<FileError> Examine(int directory, const std::string& name, const std::string& path,
                                          ExistingFile existing, PosixTarget& target);
  // The problem creating a file over what status describes would meet.
  static std::optional<FileError> Judge(const struct stat& status, const std::string& path, ExistingFile existing);

 private:
  // Tries fresh hidden names with attempt (0 on success, else errno set)
  // until one is not taken; keeps it as the temporary's name. Returns 0 or
  // the error.
  int ClaimTemporaryName(const std::function<int(const char*)>& attempt);
  void OpenTemporary();
  // Opens the file to be replaced and reads its status into target; not
  // valid (errno set) when it cannot be opened.
  PosixDescriptor OpenOld(PosixTarget& target) const;
  // Gives the new file what the old one carries, opening it if old is not.
  void KeepWhatTheOldFileCarries(PosixDescriptor& old, PosixTarget& target);
  void PlaceAnonymous();
  // Rename the named temporary over the target; 0 or the error.
  int Replace();
  // Put the named temporary in place of the target, keeping the target
  // under a temporary name (backup_); 0 or the error.
  int Swap();
  // Put the named temporary in place unless a file is there; 0 or the error.
  int PlaceWithoutReplacing();
  void Discard();
  [[noreturn]] void Fail(FileError::Kind kind, int error);

  PosixDirectory directory_;
  std::string name_;
  std::string path_;
  std::string temporary_;  // The temporary's name, when it has one.
  PosixDescriptor fd_;
  PosixWriteMethods methods_;
  std::string backup_;     // The replaced file's temporary name, while it is kept aside.
  ino_t oldInode_ = 0;      // The replaced file's inode.
  dev_t newDevice_ = 0;     // A new file's identity, once staged, so that
  ino_t newInode_ = 0;      // Undo removes that one only.
  bool replaces_ = false;
  bool staged_ = false;
  bool placed_ = false;
  bool finished_ = false;
};

}  // namespace vantrel
