#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/fs/FileError.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/OutputFile.h"

namespace vantrel {

// The ways of putting a file in place that a system may lack. Both are used
// where the system has them (looked up when first needed, since older
// systems do not); tests switch them off to take the ways such a system
// takes.
struct Win32WriteMethods {
  bool replaceFile = true;  // ReplaceFileA for an existing file, else MoveFileExA over it.
  bool hardLinks = true;    // CreateHardLinkA for a new file, else MoveFileExA without replacing.
  // Wine's ReplaceFileA keeps none of the old file's security, deletes the
  // file a link at the path points to, and leaves temporaries of its own
  // when it fails; under Wine it is used only when this is set (by tests
  // of that call).
  bool replaceFileUnderWine = false;
};

// What is at a path a file is to be written to. A link (reparse point) is
// looked at, not followed; under Wine, an entry the system shows no
// attributes of (a link whose target is missing) counts as one.
struct Win32Target {
  bool exists = false;
  bool link = false;
  unsigned long attributes = 0;
};

// A file written on Windows. Its content goes to a hidden temporary file
// beside the target, under a short name of fixed length (see
// IsTemporaryName); Finish (or Stage, then Place) puts it in place in one
// step: a new file without replacing anything that appeared meanwhile, an
// existing one by ReplaceFileA, which keeps the old file's security and
// streams, after giving the new file the old one's attributes (hidden,
// system...). A link at the path is replaced itself, never followed. A
// read-only file is never replaced. A file dropped before it is placed
// leaves nothing behind.
//
// The old file stays under a backup name beside it (BackupNameFor) until
// Keep drops it or Undo puts it back: ReplaceFileA moves it there; where
// that call is missing (or under Wine, or for a link) the old file gets
// the backup name as a second name (or, without hard links, is renamed to
// it) before the new one takes its name.
class Win32OutputFile : public OutputFile {
 public:
  // Starts the file; throws FileError (CannotCreate or Exists).
  Win32OutputFile(std::string path, ExistingFile existing, const Win32WriteMethods& methods);
  ~Win32OutputFile() override;

  void Write(std::string_view bytes) override;
  void Stage() override;
  void Place() override;
  bool Undo() override;
  void Keep() override;
  // The placed (new) or old file's identity; for a replacement also the
  // temporary's name and the backup name.
  std::string JournalNote() const override;
  bool ReplacesExisting() const override { return target_.exists; }

  // Looks at path: fills target and returns the problem creating a file
  // there would meet, if any. Paths the system cannot take (PathOverrun)
  // are refused as they stand, never cut to fit.
  static std::optional<FileError> Examine(const std::string& path, ExistingFile existing, Win32Target& target);

  // By how many characters the longest path a file at path uses (the path
  // itself, or a temporary name beside it) exceeds what the ANSI calls take
  // (MAX_PATH, its terminating zero included); 0 when every one fits.
  static std::size_t PathOverrun(const std::string& path);

  // The length of every temporary name, and whether a name is one: "~vt"
  // and five hexadecimal digits for a new file's content, "~vb" and the
  // same digits for the old file it replaces, kept aside.
  static constexpr std::size_t kTemporaryNameLength = 8;
  static bool IsTemporaryName(std::string_view name);
  static std::string BackupNameFor(std::string_view temporaryName);

  // The identity (file index) of the file or link at path, not followed;
  // nothing when it cannot be opened.
  static std::optional<unsigned long long> Identity(const std::string& path);

 private:
  // A new, empty, hidden temporary file in directory (which ends in a
  // separator, or is empty for the current directory), opened for writing
  // by this process alone; its path is kept in path. INVALID_HANDLE_VALUE
  // with the error left for GetLastError when none can be made.
  static void* CreateTemporary(const std::string& directory, std::string& path);

  void Discard();
  [[noreturn]] void Fail(FileError::Kind kind, unsigned long error);
  void PlaceNew();
  void PlaceOverExisting();
  // Keeps the old file under backup_ (a second name, or renamed), then
  // puts the temporary in its place.
  void PlaceAside();

  std::string path_;
  std::string temporary_;
  std::string backup_;  // Where the old file is kept until Keep or Undo.
  void* handle_;  // The temporary's handle, or INVALID_HANDLE_VALUE.
  Win32Target target_;
  Win32WriteMethods methods_;
  unsigned long newAttributes_ = 0;  // The attributes a new file is given.
  unsigned long long identity_ = 0;  // The new file's (or the old file's) file index.
  bool staged_ = false;
  bool placed_ = false;
  bool placedNew_ = false;  // Placed as a new file; Undo removes it.
  bool finished_ = false;
};

}  // namespace vantrel
