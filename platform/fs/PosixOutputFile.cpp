#include "platform/fs/PosixOutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "platform/fs/FileError.h"

namespace vantrel {
namespace {

// The mode a new file gets: read and write for everyone the umask allows.
mode_t NewFileMode() {
  static const mode_t mode = [] {
    mode_t mask = umask(022);
    umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
  }();
  return mode;
}

std::string DirectoryOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace

PosixOutputFile::PosixOutputFile(const std::string& nativePath, const std::string& displayPath)
    : target_(nativePath), display_(displayPath) {
  // Most files are new: create them in place, which needs no look first.
  fd_ = open(target_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, NewFileMode());
  if (fd_ >= 0) {
    written_ = target_;
    return;
  }
  struct stat st {};
  if (errno != EEXIST || stat(target_.c_str(), &st) != 0)
    throw FileError(FileError::Kind::CannotCreate, display_);
  // A read-only file is one nobody may write, whoever runs the wizard: the
  // same meaning as the read-only attribute of the target platform.
  if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0)
    throw FileError(FileError::Kind::CannotCreate, display_);
  replaces_ = true;
  std::string pattern = DirectoryOf(target_) + "/.vantrel-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  fd_ = mkstemp(name.data());
  if (fd_ < 0) throw FileError(FileError::Kind::CannotCreate, display_);
  written_.assign(name.data());
  // The new content keeps the old file's permissions.
  if (fchmod(fd_, st.st_mode & 07777) != 0) {
    Discard();
    throw FileError(FileError::Kind::CannotCreate, display_);
  }
}

PosixOutputFile::~PosixOutputFile() {
  if (!finished_) Discard();
}

void PosixOutputFile::Discard() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (!written_.empty()) unlink(written_.c_str());
  written_.clear();
}

void PosixOutputFile::Write(std::string_view bytes) {
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd_, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      Discard();
      throw FileError(FileError::Kind::Incomplete, display_);
    }
    data += n;
    left -= static_cast<size_t>(n);
  }
}

void PosixOutputFile::Finish() {
  if (fd_ < 0) throw FileError(FileError::Kind::Incomplete, display_);
  int closed = close(fd_);
  fd_ = -1;
  if (closed != 0 || (replaces_ && rename(written_.c_str(), target_.c_str()) != 0)) {
    Discard();
    throw FileError(FileError::Kind::Incomplete, display_);
  }
  finished_ = true;
}

}  // namespace vantrel
