#include "platform/fs/PosixOutputFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

namespace vantrel {
namespace {

using Kind = FileError::Kind;

std::string DirectoryOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// A hidden name in directory for a file being written; the caller creates it
// exclusively and tries another name when it is taken.
std::string TemporaryName(const std::string& directory) {
  static thread_local std::mt19937_64 random{std::random_device{}()};
  static constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz012345";
  std::string name = directory + "/.vantrel-";
  auto bits = random();
  for (int i = 0; i < 10; ++i, bits >>= 5) name += kDigits[bits & 31];
  return name;
}

// The errors by which a file system says that it lacks a way of creating or
// linking files, rather than that this file may not be made.
bool Unsupported(int error) {
  return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == EPERM ||
         error == EISDIR;
}

}  // namespace

std::string PosixReason(int error) { return std::error_code(error, std::generic_category()).message(); }

std::optional<FileError> PosixOutputFile::Examine(const std::string& path, ExistingFile existing,
                                                  PosixTarget& target) {
  target = {};
  if (lstat(path.c_str(), &target.status) != 0) {
    // A missing parent is left to the directory check and to the creation.
    if (errno == ENOENT) return std::nullopt;
    return FileError(Kind::CannotCreate, path, PosixReason(errno));
  }
  target.exists = true;
  const mode_t mode = target.status.st_mode;
  if (S_ISDIR(mode)) return FileError(Kind::CannotCreate, path, PosixReason(EISDIR));
  if (existing == ExistingFile::Keep) return FileError(Kind::Exists, path, std::string(kFileExists));
  // A link is replaced by a regular file; what it points to is not touched.
  if (S_ISLNK(mode)) return std::nullopt;
  if (!S_ISREG(mode)) return FileError(Kind::CannotCreate, path, std::string(kNotRegularFile));
  // A read-only file is one nobody may write, whoever runs the wizard: the
  // meaning of the read-only attribute of the target platform.
  if ((mode & 0222) == 0) return FileError(Kind::CannotCreate, path, std::string(kReadOnlyFile));
  return std::nullopt;
}

PosixOutputFile::PosixOutputFile(std::string path, ExistingFile existing, const PosixWriteMethods& methods)
    : path_(std::move(path)), directory_(DirectoryOf(path_)), methods_(methods) {
  // A file to be kept is never looked at here: whatever is at its name,
  // file, link or directory, makes the placement fail with "exists", since
  // no way of putting a new file in place replaces anything. That saves the
  // run, which has examined every name before writing, a second look.
  PosixTarget target;
  if (existing == ExistingFile::Replace)
    if (auto problem = Examine(path_, existing, target)) throw *problem;
  replaces_ = target.exists;
  OpenTemporary();
  if (replaces_ && S_ISREG(target.status.st_mode)) KeepOwnerAndMode(target);
}

PosixOutputFile::~PosixOutputFile() {
  if (!finished_) Discard();
}

int PosixOutputFile::ClaimTemporaryName(const std::function<int(const char*)>& attempt) {
  for (int tries = 0; tries < 64; ++tries) {
    std::string name = TemporaryName(directory_);
    if (attempt(name.c_str()) == 0) {
      temporary_ = std::move(name);
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

void PosixOutputFile::OpenTemporary() {
  if (methods_.anonymousFiles) {
    fd_ = PosixDescriptor(open(directory_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (fd_.valid()) return;
    if (!Unsupported(errno)) Fail(Kind::CannotCreate, errno);
  }
  // The mode asked for is reduced by the umask, as for any new file.
  const int error = ClaimTemporaryName([this](const char* name) {
    fd_ = PosixDescriptor(open(name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    return fd_.valid() ? 0 : -1;
  });
  if (error != 0) Fail(Kind::CannotCreate, error);
}

void PosixOutputFile::KeepOwnerAndMode(const PosixTarget& target) {
  const struct stat& old = target.status;
  // Only a privileged process may give a file away; the group alone may
  // still be settable. Where neither is allowed the file is the writer's.
  if (fchown(fd_.get(), old.st_uid, old.st_gid) != 0)
    (void)fchown(fd_.get(), static_cast<uid_t>(-1), old.st_gid);
  // Set after the owner, which clears set-ID bits; those and the sticky bit
  // are not carried over.
  if (fchmod(fd_.get(), old.st_mode & 0777) != 0) Fail(Kind::CannotCreate, errno);
}

void PosixOutputFile::Write(std::string_view bytes) {
  if (finished_ || !fd_.valid()) throw FileError(Kind::Incomplete, path_, PosixReason(EBADF));
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

void PosixOutputFile::Finish() {
  if (finished_ || !fd_.valid()) throw FileError(Kind::Incomplete, path_, PosixReason(EBADF));
  if (temporary_.empty()) {
    PlaceAnonymous();
  } else {
    // Closed first, so that a write error the system reports late is seen
    // before the file shows under its name.
    if (fd_.Close() != 0) Fail(Kind::Incomplete, errno);
    if (const int error = replaces_ ? Replace() : PlaceWithoutReplacing())
      Fail(error == EEXIST ? Kind::Exists : Kind::CannotCreate, error);
  }
  finished_ = true;
}

void PosixOutputFile::PlaceAnonymous() {
  const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
  auto link = [&self](const char* name) {
    return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name, AT_SYMLINK_FOLLOW);
  };
  if (replaces_) {
    // A file without a name cannot replace another: it gets a temporary name
    // first, which the rename then takes away again.
    if (const int error = ClaimTemporaryName(link)) Fail(Kind::CannotCreate, error);
    if (fd_.Close() != 0) Fail(Kind::Incomplete, errno);
    if (const int error = Replace()) Fail(Kind::CannotCreate, error);
    return;
  }
  // Linking never replaces: a file that appeared meanwhile stays.
  if (link(path_.c_str()) != 0) Fail(errno == EEXIST ? Kind::Exists : Kind::CannotCreate, errno);
  if (fd_.Close() != 0) Fail(Kind::Incomplete, errno);
}

int PosixOutputFile::Replace() {
  if (rename(temporary_.c_str(), path_.c_str()) != 0) return errno;
  temporary_.clear();
  return 0;
}

int PosixOutputFile::PlaceWithoutReplacing() {
  if (methods_.noReplaceRename) {
    if (renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, path_.c_str(), RENAME_NOREPLACE) == 0) {
      temporary_.clear();
      return 0;
    }
    if (!Unsupported(errno)) return errno;
  }
  if (methods_.hardLinks) {
    if (link(temporary_.c_str(), path_.c_str()) == 0) {
      unlink(temporary_.c_str());
      temporary_.clear();
      return 0;
    }
    if (!Unsupported(errno)) return errno;
  }
  // A file system with neither: the name is claimed with an empty file made
  // exclusively, which the rename then replaces. Only a kill between the two
  // steps could leave that empty file behind.
  PosixDescriptor claim(open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (!claim.valid()) return errno;
  claim.Close();
  if (const int error = Replace()) {
    unlink(path_.c_str());
    return error;
  }
  return 0;
}

void PosixOutputFile::Discard() {
  fd_.Close();
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
}

void PosixOutputFile::Fail(Kind kind, int error) {
  Discard();
  throw FileError(kind, path_, kind == Kind::Exists ? std::string(kFileExists) : PosixReason(error));
}

}  // namespace vantrel
