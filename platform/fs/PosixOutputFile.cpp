#include "platform/fs/PosixOutputFile.h"

#include <acl/libacl.h>
#include <attr/libattr.h>
#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

#include "platform/fs/TargetRule.h"

namespace vantrel {
namespace {

using Kind = FileError::Kind;

// A fresh hidden name for a file being written; the caller creates it
// exclusively and tries another name when it is taken.
std::string TemporaryName() {
  static thread_local std::mt19937_64 random{std::random_device{}()};
  std::string name(kTemporaryPrefix);
  auto bits = random();
  for (std::size_t i = 0; i < kTemporarySuffixLength; ++i, bits >>= 5) name += kTemporaryCharacters[bits & 31];
  return name;
}

// The errors by which a file system says that it lacks a way of creating or
// linking files, rather than that this file may not be made.
bool Unsupported(int error) {
  return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == EPERM ||
         error == EISDIR;
}

// Whether the open file has extended attributes (an access control list
// beyond the permission bits is one). A file system without them has none.
bool HasAttributes(int fd) {
  char names[256];
  const ssize_t size = flistxattr(fd, names, sizeof names);
  return size > 0 || (size < 0 && errno == ERANGE);
}

}  // namespace

std::string PosixReason(int error) { return std::error_code(error, std::generic_category()).message(); }

bool IsTemporaryName(std::string_view name) {
  if (!name.starts_with(kTemporaryPrefix) || name.size() != kTemporaryPrefix.size() + kTemporarySuffixLength)
    return false;
  return name.substr(kTemporaryPrefix.size()).find_first_not_of(kTemporaryCharacters) == std::string_view::npos;
}

std::string BackupNameFor(std::string_view temporary) {
  std::string backup(temporary);
  if (backup.empty()) return backup;
  const auto at = kTemporaryCharacters.find(backup.back());
  backup.back() = kTemporaryCharacters[(at == std::string_view::npos ? 0 : at + 1) % kTemporaryCharacters.size()];
  return backup;
}

std::string PosixOutputFile::JournalNote() const {
  if (!replaces_) return std::to_string(newInode_);
  return std::to_string(oldInode_) + " " + temporary_ + " " + BackupNameFor(temporary_);
}

std::optional<FileError> PosixOutputFile::Examine(int directory, const std::string& name, const std::string& path,
                                                  ExistingFile existing, PosixTarget& target) {
  target = {};
  if (fstatat(directory, name.c_str(), &target.status, AT_SYMLINK_NOFOLLOW) != 0) {
    // A missing parent is left to the directory check and to the creation.
    if (errno == ENOENT) return std::nullopt;
    return FileError(Kind::CannotCreate, path, PosixReason(errno));
  }
  target.exists = true;
  return Judge(target.status, path, existing);
}

std::optional<FileError> PosixOutputFile::Judge(const struct stat& status, const std::string& path,
                                                ExistingFile existing) {
  const mode_t mode = status.st_mode;
  TargetFacts facts;
  facts.what = S_ISDIR(mode)   ? TargetFacts::What::Directory
               : S_ISREG(mode) ? TargetFacts::What::File
               : S_ISLNK(mode) ? TargetFacts::What::Link
                               : TargetFacts::What::Other;
  // Nobody may write it, whoever runs the wizard: the meaning of the
  // read-only attribute of the target platform.
  facts.readOnly = (mode & 0222) == 0;
  return TargetRefusal(facts, path, existing, PosixReason(EISDIR));
}

PosixOutputFile::PosixOutputFile(PosixDirectory directory, std::string name, std::string path, ExistingFile existing,
                                 const PosixWriteMethods& methods, bool seenRegular)
    : directory_(std::move(directory)), name_(std::move(name)), path_(std::move(path)), methods_(methods) {
  // A file to be kept is never looked at here: whatever is at its name,
  // file, link or directory, makes the placement fail with "exists", since
  // no way of putting a new file in place replaces anything. That saves the
  // run, which has examined every name before writing, a second look.
  PosixTarget target;
  PosixDescriptor old;
  if (existing == ExistingFile::Replace) {
    // A regular file the run's checks have just seen is opened at once and
    // judged by what was opened; anything else is looked at first, so that
    // no pipe or device is opened.
    if (seenRegular) old = OpenOld(target);
    auto problem = old.valid() ? Judge(target.status, path_, existing)
                               : Examine(directory_->get(), name_, path_, existing, target);
    if (problem) throw *problem;
  }
  replaces_ = target.exists;
  oldInode_ = target.status.st_ino;
  OpenTemporary();
  if (replaces_ && S_ISREG(target.status.st_mode)) KeepWhatTheOldFileCarries(old, target);
}

PosixDescriptor PosixOutputFile::OpenOld(PosixTarget& target) const {
  // Without following a link and without waiting on a device, so that what
  // is judged and copied is the very file to be replaced.
  PosixDescriptor old(openat(directory_->get(), name_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  target = {};
  if (old.valid() && fstat(old.get(), &target.status) != 0) old.Close();
  target.exists = old.valid();
  return old;
}

PosixOutputFile::~PosixOutputFile() {
  // A placement neither kept nor taken back (a run ended by an error it
  // could not handle) stands, and the old file stays aside under the name
  // the run's journal gives it, for the next run to put back.
  if (!finished_) Discard();
}

int PosixOutputFile::ClaimTemporaryName(const std::function<int(const char*)>& attempt) {
  for (int tries = 0; tries < 64; ++tries) {
    std::string name = TemporaryName();
    if (attempt(name.c_str()) == 0) {
      temporary_ = std::move(name);
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

void PosixOutputFile::OpenTemporary() {
  const int dir = directory_->get();
  if (methods_.anonymousFiles) {
    fd_ = PosixDescriptor(openat(dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (fd_.valid()) return;
    if (!Unsupported(errno)) Fail(Kind::CannotCreate, errno);
  }
  // The mode asked for is reduced by the umask, as for any new file.
  const int error = ClaimTemporaryName([this, dir](const char* name) {
    fd_ = PosixDescriptor(openat(dir, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    return fd_.valid() ? 0 : -1;
  });
  if (error != 0) Fail(Kind::CannotCreate, error);
}

void PosixOutputFile::KeepWhatTheOldFileCarries(PosixDescriptor& old, PosixTarget& target) {
  if (!old.valid()) {
    old = OpenOld(target);
    if (!old.valid() && errno == EACCES) {
      // What the old file carries cannot be read, so it could not be kept:
      // the file is not replaced rather than replaced with less.
      Discard();
      throw FileError(Kind::CannotCreate, path_, std::string(kCannotReadOldFile));
    }
    if (!old.valid()) Fail(Kind::CannotCreate, errno);
  }
  const struct stat& st = target.status;
  if (!S_ISREG(st.st_mode)) {
    Discard();
    throw FileError(Kind::CannotCreate, path_, std::string(kNotRegularFile));
  }
  // Only a privileged process may give a file away; the group alone may
  // still be settable. Where neither is allowed the file is the writer's.
  if (fchown(fd_.get(), st.st_uid, st.st_gid) != 0) (void)fchown(fd_.get(), static_cast<uid_t>(-1), st.st_gid);
  // The access control list (which also sets the permission bits) and the
  // extended attributes, after the owner, whose change clears set-ID bits.
  // Both are kept as attributes: a file without any (the common case) needs
  // neither copy.
  if (HasAttributes(old.get())) {
    if (perm_copy_fd(path_.c_str(), old.get(), path_.c_str(), fd_.get(), nullptr) != 0)
      Fail(Kind::CannotCreate, errno);
    if (attr_copy_fd(path_.c_str(), old.get(), path_.c_str(), fd_.get(), nullptr, nullptr) != 0)
      Fail(Kind::CannotCreate, errno);
  }
  // The permission bits once more, without the set-ID and sticky bits,
  // which are not carried over; with an access control list the group
  // bits are its mask, which this leaves as it was.
  if (fchmod(fd_.get(), st.st_mode & 0777) != 0) Fail(Kind::CannotCreate, errno);
}

void PosixOutputFile::Write(std::string_view bytes) {
  if (finished_ || staged_ || !fd_.valid()) throw FileError(Kind::Incomplete, path_, PosixReason(EBADF));
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd_.get(), data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail(Kind::Incomplete, errno);
    if (n == 0) Fail(Kind::Incomplete, ENOSPC);
    data += n;
    left -= static_cast<std::size_t>(n);
  }
}

void PosixOutputFile::Stage() {
  if (finished_ || staged_ || !fd_.valid()) throw FileError(Kind::Incomplete, path_, PosixReason(EBADF));
  // A replacement without a name gets its temporary name now, so that the
  // journal can name it before anything is put in place; a new anonymous
  // file stays open and without a name until it is linked in.
  if (replaces_ && temporary_.empty()) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
    const int dir = directory_->get();
    if (const int error = ClaimTemporaryName([&self, dir](const char* name) {
          return linkat(AT_FDCWD, self.c_str(), dir, name, AT_SYMLINK_FOLLOW);
        }))
      Fail(Kind::CannotCreate, error);
  }
  // A new file's identity, which linking or renaming it keeps: taking the
  // placement back, now or after a kill (the journal names it), removes
  // only this very file.
  struct stat st {};
  if (!replaces_ && fstat(fd_.get(), &st) == 0) {
    newDevice_ = st.st_dev;
    newInode_ = st.st_ino;
  }
  // A named temporary is closed now, so that a write error the system
  // reports late is seen before anything is put in place.
  if (!temporary_.empty() && fd_.Close() != 0) Fail(Kind::Incomplete, errno);
  staged_ = true;
}

void PosixOutputFile::Place() {
  if (finished_ || !staged_) throw FileError(Kind::Incomplete, path_, PosixReason(EBADF));
  // What is to be replaced is judged once more: a file made read-only, or
  // turned into a directory, since this one was started stays as it is.
  struct stat st {};
  if (replaces_ && fstatat(directory_->get(), name_.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
    if (auto problem = Judge(st, path_, ExistingFile::Replace)) {
      Discard();
      throw *problem;
    }
  if (temporary_.empty()) {
    PlaceAnonymous();
  } else if (const int error = replaces_ ? Swap() : PlaceWithoutReplacing()) {
    Fail(error == EEXIST ? Kind::Exists : Kind::CannotCreate, error);
  }
  placed_ = true;
  finished_ = true;
}

bool PosixOutputFile::Undo() {
  if (!placed_) return false;
  const int dir = directory_->get();
  if (!backup_.empty()) {
    // The old file goes back over the new one in one step.
    if (renameat(dir, backup_.c_str(), dir, name_.c_str()) != 0) return false;
    backup_.clear();
  } else {
    // Only the file this one placed is removed, not one put there since.
    struct stat st {};
    if (fstatat(dir, name_.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT;
    if (st.st_dev != newDevice_ || st.st_ino != newInode_) return false;
    if (unlinkat(dir, name_.c_str(), 0) != 0) return false;
  }
  placed_ = false;
  return true;
}

void PosixOutputFile::Keep() {
  // A backup that cannot be removed is a leftover the next run removes.
  if (!backup_.empty()) unlinkat(directory_->get(), backup_.c_str(), 0);
  backup_.clear();
  placed_ = false;
}

void PosixOutputFile::PlaceAnonymous() {
  const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
  const int dir = directory_->get();
  auto link = [&self, dir](const char* name) {
    return linkat(AT_FDCWD, self.c_str(), dir, name, AT_SYMLINK_FOLLOW);
  };
  // Linking never replaces: a file that appeared meanwhile stays.
  if (link(name_.c_str()) != 0) Fail(errno == EEXIST ? Kind::Exists : Kind::CannotCreate, errno);
  if (fd_.Close() != 0) {
    const int error = errno;
    unlinkat(dir, name_.c_str(), 0);
    Fail(Kind::Incomplete, error);
  }
}

int PosixOutputFile::Replace() {
  const int dir = directory_->get();
  if (renameat(dir, temporary_.c_str(), dir, name_.c_str()) != 0) return errno;
  temporary_.clear();
  return 0;
}

int PosixOutputFile::Swap() {
  const int dir = directory_->get();
  if (methods_.exchange) {
    if (renameat2(dir, temporary_.c_str(), dir, name_.c_str(), RENAME_EXCHANGE) == 0) {
      backup_ = std::move(temporary_);
      temporary_.clear();
      return 0;
    }
    if (!Unsupported(errno)) return errno;
  }
  // Without an exchange the old file is renamed aside first, to the name the
  // journal gave it; the replacement then takes the free name.
  std::string backup = BackupNameFor(temporary_);
  struct stat st {};
  if (fstatat(dir, backup.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT) return EEXIST;
  if (renameat(dir, name_.c_str(), dir, backup.c_str()) != 0) return errno;
  if (renameat(dir, temporary_.c_str(), dir, name_.c_str()) != 0) {
    const int error = errno;
    renameat(dir, backup.c_str(), dir, name_.c_str());
    return error;
  }
  temporary_.clear();
  backup_ = std::move(backup);
  return 0;
}

int PosixOutputFile::PlaceWithoutReplacing() {
  const int dir = directory_->get();
  if (methods_.noReplaceRename) {
    if (renameat2(dir, temporary_.c_str(), dir, name_.c_str(), RENAME_NOREPLACE) == 0) {
      temporary_.clear();
      return 0;
    }
    if (!Unsupported(errno)) return errno;
  }
  if (methods_.hardLinks) {
    if (linkat(dir, temporary_.c_str(), dir, name_.c_str(), 0) == 0) {
      unlinkat(dir, temporary_.c_str(), 0);
      temporary_.clear();
      return 0;
    }
    if (!Unsupported(errno)) return errno;
  }
  // A file system with neither: the name is claimed with an empty file made
  // exclusively, which the rename then replaces. Only a kill between the two
  // steps could leave that empty file behind.
  PosixDescriptor claim(openat(dir, name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (!claim.valid()) return errno;
  claim.Close();
  if (const int error = Replace()) {
    unlinkat(dir, name_.c_str(), 0);
    return error;
  }
  return 0;
}

void PosixOutputFile::Discard() {
  fd_.Close();
  if (!temporary_.empty()) unlinkat(directory_->get(), temporary_.c_str(), 0);
  temporary_.clear();
}

void PosixOutputFile::Fail(Kind kind, int error) {
  Discard();
  throw FileError(kind, path_, kind == Kind::Exists ? std::string(kFileExists) : PosixReason(error));
}

}  // namespace vantrel
