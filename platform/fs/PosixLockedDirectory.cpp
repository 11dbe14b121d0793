#include "platform/fs/PosixLockedDirectory.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>

namespace vantrel {
namespace {

using Kind = FileError::Kind;

std::string Native(std::string_view relative) {
  std::string native(relative);
  for (char& c : native)
    if (c == '\\') c = '/';
  return native;
}

// The subdirectory (native, "" for the location itself) a relative name is in.
std::string SubdirectoryPart(std::string_view relative) {
  const auto split = relative.find_last_of('\\');
  return split == std::string_view::npos ? "" : Native(relative.substr(0, split));
}

}  // namespace

DirectoryFacts PosixDirectoryFacts(int directory, const std::string& name, int flags) {
  using What = DirectoryFacts::What;
  struct stat st {};
  if (fstatat(directory, name.c_str(), &st, flags) != 0) {
    const int error = errno;
    return {error == ENOENT ? What::Missing : What::Unusable, PosixReason(error)};
  }
  if (S_ISLNK(st.st_mode)) return {What::Link, {}};
  if (!S_ISDIR(st.st_mode)) return {What::Unusable, PosixReason(ENOTDIR)};
  // A directory removed while open (a deleted current directory) still
  // answers, but nothing can be created in it.
  if (st.st_nlink == 0) return {What::Unusable, PosixReason(ENOENT)};
  if (faccessat(directory, name.c_str(), W_OK | X_OK, AT_EACCESS | (flags & AT_SYMLINK_NOFOLLOW)) != 0)
    return {What::Unusable, PosixReason(errno)};
  return {};
}

bool PosixReadNames(int directory, std::set<std::string>& names) {
  // Read straight from the open directory into a buffer on the stack: no
  // directory stream (which would open the directory again and allocate a
  // buffer of 32 KiB) for what is a handful of names.
  alignas(dirent64) char buffer[4096];
  if (lseek(directory, 0, SEEK_SET) != 0) return false;
  for (;;) {
    const ssize_t size = getdents64(directory, buffer, sizeof buffer);
    if (size < 0) return false;
    if (size == 0) return true;
    for (ssize_t at = 0; at < size;) {
      const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
      const std::string_view name = entry->d_name;
      if (name != "." && name != "..") names.emplace(name);
      at += entry->d_reclen;
    }
  }
}

void PosixRemoveTemporaries(int directory, const std::string& path, const std::set<std::string>& names,
                            std::vector<std::string>& removed) {
  for (const auto& name : names) {
    if (!IsTemporaryName(name)) continue;
    struct stat st {};
    if (fstatat(directory, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
    if (unlinkat(directory, name.c_str(), 0) == 0) removed.push_back(path + "/" + name);
  }
}

PosixLockedDirectory::PosixLockedDirectory(const std::string& path, const PosixWriteMethods& methods)
    : path_(path), methods_(methods) {
  PosixDescriptor fd(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.valid()) {
    const int error = errno;
    // A directory one may write into but not read (mode 733) cannot be
    // locked: flock needs a directory opened for reading.
    if (error == EACCES && PosixDescriptor(open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)).valid())
      throw FileError(Kind::BadDirectory, path, std::string(kCannotLockUnreadable));
    throw FileError(Kind::BadDirectory, path, PosixReason(error));
  }
  if (flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK) throw FileError(Kind::Busy, path, std::string(kAnotherRun));
    // A file system without locks (some network file systems) is written
    // without one; creating files without replacing still holds there.
  }
  location_ = std::make_shared<const PosixDescriptor>(std::move(fd));
}

std::string PosixLockedDirectory::PathOf(std::string_view relative) const {
  if (relative.empty()) return path_;
  return path_ + (path_.ends_with('/') ? "" : "/") + Native(relative);
}

PosixDirectory PosixLockedDirectory::DirectoryOf(std::string_view relative, std::string& name) const {
  name = relative.substr(relative.find_last_of('\\') + 1);
  return Subdirectory(SubdirectoryPart(relative));
}

PosixDirectory PosixLockedDirectory::Subdirectory(const std::string& sub) const {
  if (sub.empty()) return location_;
  auto found = subdirectories_.find(sub);
  if (found != subdirectories_.end()) {
    errno = found->second.error;
    return found->second.directory;
  }
  // Opened for reading where allowed, so that its names can be read; a link
  // in its place is never followed.
  constexpr int kFlags = O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
  PosixDescriptor fd(openat(location_->get(), sub.c_str(), O_RDONLY | kFlags));
  if (!fd.valid() && errno == EACCES) fd = PosixDescriptor(openat(location_->get(), sub.c_str(), O_PATH | kFlags));
  if (!fd.valid()) {
    // A link opened as a directory without following it fails as "not a
    // directory"; it is told apart as ELOOP, as a link. The failure is
    // kept until the directory is made, so that it is found out once.
    int error = errno;
    struct stat st {};
    if (error == ENOTDIR && fstatat(location_->get(), sub.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
      error = ELOOP;
    subdirectories_[sub] = {nullptr, error};
    errno = error;
    return nullptr;
  }
  auto directory = std::make_shared<const PosixDescriptor>(std::move(fd));
  subdirectories_[sub] = {directory, 0};
  return directory;
}

const std::set<std::string>* PosixLockedDirectory::Names(const std::string& sub) const {
  auto found = names_.find(sub);
  if (found != names_.end()) return &found->second;
  PosixDirectory directory = Subdirectory(sub);
  std::set<std::string> names;
  if (!directory || !PosixReadNames(directory->get(), names)) return nullptr;
  return &names_.emplace(sub, std::move(names)).first->second;
}

std::optional<FileError> PosixLockedDirectory::CheckDirectory(std::string_view relative, bool mayBeMissing) const {
  const std::string name = relative.empty() ? "." : Native(relative);
  return DirectoryRefusal(PosixDirectoryFacts(location_->get(), name, AT_SYMLINK_NOFOLLOW), PathOf(relative),
                          mayBeMissing, [&] { return CheckDirectory("", false); });
}

std::optional<FileError> PosixLockedDirectory::CheckNewFile(std::string_view relative, ExistingFile existing) const {
  const std::string path = PathOf(relative);
  std::string name;
  PosixDirectory directory = DirectoryOf(relative, name);
  // A missing or unusable directory is the directory check's business.
  if (!directory) return std::nullopt;
  if (name.size() > NAME_MAX) return FileError(Kind::CannotCreate, path, PosixReason(ENAMETOOLONG));
  const auto* names = Names(SubdirectoryPart(relative));
  if (names != nullptr && names->count(name) == 0) return std::nullopt;
  PosixTarget target;
  auto problem = PosixOutputFile::Examine(directory->get(), name, path, existing, target);
  if (target.exists && S_ISREG(target.status.st_mode)) seenRegular_.emplace(relative);
  return problem;
}

std::unique_ptr<OutputFile> PosixLockedDirectory::CreateFile(std::string_view relative, ExistingFile existing) {
  const std::string path = PathOf(relative);
  std::string name;
  PosixDirectory directory = DirectoryOf(relative, name);
  if (!directory) throw FileError(Kind::CannotCreate, path, errno == ELOOP ? std::string(kInLinkedDirectory) : PosixReason(errno));
  const bool seen = seenRegular_.erase(std::string(relative)) > 0;
  return std::make_unique<PosixOutputFile>(std::move(directory), std::move(name), path, existing, methods_, seen);
}

bool PosixLockedDirectory::MakeDirectory(std::string_view relative) {
  const std::string sub = Native(relative);
  // Whatever was found out about it before no longer holds.
  subdirectories_.erase(sub);
  names_.erase(sub);
  if (mkdirat(location_->get(), sub.c_str(), 0777) == 0) return true;
  const int error = errno;
  struct stat st {};
  if (error == EEXIST && fstatat(location_->get(), sub.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
    if (S_ISDIR(st.st_mode)) return false;
    throw FileError(Kind::BadDirectory, PathOf(relative),
                    S_ISLNK(st.st_mode) ? std::string(kLinkedDirectory) : PosixReason(ENOTDIR));
  }
  throw FileError(Kind::BadDirectory, PathOf(relative), PosixReason(error));
}

bool PosixLockedDirectory::RemoveEmptyDirectory(std::string_view relative) {
  const std::string sub = Native(relative);
  subdirectories_.erase(sub);
  names_.erase(sub);
  return unlinkat(location_->get(), sub.c_str(), AT_REMOVEDIR) == 0;
}

std::optional<FileError> PosixLockedDirectory::CheckOpenFiles(std::size_t count) const {
  struct rlimit limit {};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
  PosixDescriptor own(open("/proc/self/fd", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  std::set<std::string> open;
  if (!own.valid() || !PosixReadNames(own.get(), open)) return std::nullopt;
  // Besides the files, a run opens "res" and, for a moment, each file it
  // replaces; the descriptor reading the list is closed again.
  const std::size_t needed = count + 2;
  const std::size_t inUse = open.size() - 1;
  const std::size_t free = limit.rlim_cur > inUse ? limit.rlim_cur - inUse : 0;
  if (free >= needed) return std::nullopt;
  return FileError(Kind::BadDirectory, path_,
                   "a run holds " + std::to_string(needed) + " files open at once, and this process may open only " +
                       std::to_string(free) + " more (see ulimit -n)");
}

void PosixLockedDirectory::WriteJournal(const std::string& project, const std::vector<JournalEntry>& entries) {
  const std::string text = JournalText(project, entries);
  const int location = location_->get();
  const std::string name(kJournalName);
  PosixDescriptor fd(openat(location, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (!fd.valid()) throw FileError(Kind::CannotCreate, PathOf(name), PosixReason(errno));
  const ssize_t written = write(fd.get(), text.data(), text.size());
  const int error = written < 0 ? errno : ENOSPC;
  if (written != static_cast<ssize_t>(text.size()) || fd.Close() != 0) {
    unlinkat(location, name.c_str(), 0);
    throw FileError(Kind::Incomplete, PathOf(name), PosixReason(written == static_cast<ssize_t>(text.size()) ? errno : error));
  }
}

void PosixLockedDirectory::RemoveJournal() { unlinkat(location_->get(), std::string(kJournalName).c_str(), 0); }

std::optional<std::string> PosixLockedDirectory::PendingJournal() const {
  struct stat st {};
  if (fstatat(location_->get(), std::string(kJournalName).c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return std::nullopt;
  return PathOf(kJournalName);
}

std::vector<std::string> PosixLockedDirectory::RollBack(
    bool (*belongs)(const std::string& project, const std::string& relative)) {
  const std::string name(kJournalName), path = PathOf(name);
  PosixDescriptor fd(openat(location_->get(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (!fd.valid()) {
    if (errno == ENOENT) return {};
    return {"left " + path + " alone: it cannot be read as a journal (" + PosixReason(errno) + ")"};
  }
  struct stat st {};
  std::string text;
  if (fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= static_cast<off_t>(kJournalLimit)) {
    text.resize(static_cast<std::size_t>(st.st_size));
    const ssize_t got = read(fd.get(), text.data(), text.size());
    text.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
  }
  fd.Close();
  // Names change below: what the checks read of them no longer holds.
  names_.clear();
  seenRegular_.clear();
  bool complete = false;
  auto lines = RollBackJournal(text, path, belongs, *this, complete);
  if (complete) RemoveJournal();
  return lines;
}

bool PosixLockedDirectory::IsAsideName(std::string_view temporary, std::string_view backup) const {
  return IsTemporaryName(temporary) && backup == BackupNameFor(temporary);
}

UndoResult PosixLockedDirectory::RemoveNew(const JournalPlacement& placement) {
  std::string name;
  PosixDirectory directory = DirectoryOf(placement.relative, name);
  if (!directory) return {Undone::Failed, PosixReason(errno)};
  struct stat st {};
  if (fstatat(directory->get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return {Undone::Nothing, {}};
  if (!S_ISREG(st.st_mode) || (placement.identity && st.st_ino != *placement.identity)) return {Undone::Foreign, {}};
  if (unlinkat(directory->get(), name.c_str(), 0) != 0) return {Undone::Failed, PosixReason(errno)};
  return {Undone::Done, {}};
}

UndoResult PosixLockedDirectory::RestoreOld(const JournalPlacement& placement) {
  std::string name;
  PosixDirectory directory = DirectoryOf(placement.relative, name);
  if (!directory) return {Undone::Failed, PosixReason(errno)};
  const int dir = directory->get();
  // The old file is found by its inode: still at its name (not yet
  // replaced), under the replacement's temporary name (exchanged) or under
  // its backup name (renamed aside).
  auto isOld = [&](const std::string& candidate) {
    struct stat st {};
    return fstatat(dir, candidate.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
           st.st_ino == *placement.identity;
  };
  if (isOld(name)) return {Undone::Nothing, {}};
  for (const std::string& aside : {placement.temporary, placement.backup})
    if (isOld(aside)) {
      if (renameat(dir, aside.c_str(), dir, name.c_str()) != 0) return {Undone::Failed, PosixReason(errno)};
      return {Undone::Done, {}};
    }
  return {Undone::Gone, {}};
}

std::vector<std::string> PosixLockedDirectory::RemoveLeftovers() {
  std::vector<std::string> removed;
  for (const std::string sub : {"", "res"}) {
    PosixDirectory directory = Subdirectory(sub);
    const auto* names = directory ? Names(sub) : nullptr;
    if (names == nullptr) continue;
    const std::size_t before = removed.size();
    PosixRemoveTemporaries(directory->get(), PathOf(sub), *names, removed);
    // The names the checks answer from no longer include those removed.
    for (std::size_t i = before; i < removed.size(); ++i)
      names_[sub].erase(removed[i].substr(removed[i].find_last_of('/') + 1));
  }
  return removed;
}

}  // namespace vantrel
