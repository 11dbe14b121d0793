#include "platform/fs/Win32OutputFile.h"

#include <windows.h>

#include <algorithm>
#include <atomic>

#include "platform/fs/HexDigits.h"
#include "platform/fs/TargetRule.h"
#include "platform/fs/Win32Path.h"

namespace vantrel {
namespace {

using Kind = FileError::Kind;

// The attributes a replacement takes over from the file it replaces.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The longest path the ANSI calls take, without the terminating zero.
constexpr std::size_t kLongestPath = MAX_PATH - 1;


using ReplaceFileFunction = BOOL(WINAPI*)(LPCSTR, LPCSTR, LPCSTR, DWORD, LPVOID, LPVOID);
using CreateHardLinkFunction = BOOL(WINAPI*)(LPCSTR, LPCSTR, LPSECURITY_ATTRIBUTES);

// A function of kernel32 that older systems lack, or null.
template <typename Function>
Function Kernel32Function(const char* name) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  FARPROC address = kernel != nullptr ? GetProcAddress(kernel, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

ReplaceFileFunction ReplaceFileA_(const Win32WriteMethods& methods) {
  static const auto function = Kernel32Function<ReplaceFileFunction>("ReplaceFileA");
  if (!methods.replaceFile || (RunsUnderWine() && !methods.replaceFileUnderWine)) return nullptr;
  return function;
}

CreateHardLinkFunction CreateHardLinkA_() {
  static const auto function = Kernel32Function<CreateHardLinkFunction>("CreateHardLinkA");
  return function;
}

bool IsExistsError(DWORD error) { return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS; }

bool IsMissingError(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// The next temporary name. Names start at a point of their own per process
// so that two processes rarely try the same ones; a name that is taken is
// skipped by the caller.
std::string NextTemporaryName() {
  static std::atomic<unsigned> counter{GetCurrentProcessId() * 2654435761u + GetTickCount()};
  return "~vt" + HexDigits(counter++, 5, kLowerHexDigits);
}

}  // namespace

bool Win32OutputFile::IsTemporaryName(std::string_view name) {
  return name.size() == kTemporaryNameLength && (name.starts_with("~vt") || name.starts_with("~vb")) &&
         std::all_of(name.begin() + 3, name.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::string Win32OutputFile::BackupNameFor(std::string_view temporaryName) {
  std::string backup(temporaryName);
  if (backup.size() == kTemporaryNameLength) backup[2] = 'b';
  return backup;
}

std::optional<unsigned long long> Win32OutputFile::Identity(const std::string& path) {
  HANDLE handle = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION information{};
  const bool known = GetFileInformationByHandle(handle, &information) != FALSE;
  CloseHandle(handle);
  if (!known) return std::nullopt;
  return (static_cast<unsigned long long>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
}

void* Win32OutputFile::CreateTemporary(const std::string& directory, std::string& path) {
  for (int attempt = 0; attempt < 64; ++attempt) {
    path = directory + NextTemporaryName();
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return handle;
  }
  SetLastError(ERROR_FILE_EXISTS);
  return INVALID_HANDLE_VALUE;
}

std::size_t Win32OutputFile::PathOverrun(const std::string& path) {
  const std::string full = FullPath(path);
  const std::size_t longest = std::max(SystemLength(full), SystemLength(DirectoryPartOf(full)) + kTemporaryNameLength);
  return longest > kLongestPath ? longest - kLongestPath : 0;
}

std::optional<FileError> Win32OutputFile::Examine(const std::string& path, ExistingFile existing,
                                                  Win32Target& target) {
  target = {};
  if (PathOverrun(path) > 0) return FileError(Kind::CannotCreate, path, Win32Reason(ERROR_FILENAME_EXCED_RANGE));
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (!IsMissingError(error)) return FileError(Kind::CannotCreate, path, Win32Reason(error));
    // A missing parent is left to the directory check and to the creation.
    if (!IsUnseenEntry(path)) return std::nullopt;
    target.exists = target.link = true;
  } else {
    target.exists = true;
    target.attributes = attributes;
    target.link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  }
  TargetFacts facts;
  if (target.exists) {
    // A link to a directory is no file that can be replaced in one step
    // either; a link's own attributes say nothing of a file to keep.
    facts.what = (target.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? TargetFacts::What::Directory
                 : target.link                                      ? TargetFacts::What::Link
                                                                    : TargetFacts::What::File;
    facts.readOnly = (target.attributes & FILE_ATTRIBUTE_READONLY) != 0;
  }
  return TargetRefusal(facts, path, existing, kNotRegularFile);
}

Win32OutputFile::Win32OutputFile(std::string path, ExistingFile existing, const Win32WriteMethods& methods)
    : path_(std::move(path)), handle_(INVALID_HANDLE_VALUE), methods_(methods) {
  if (auto problem = Examine(path_, existing, target_)) throw *problem;
  handle_ = CreateTemporary(DirectoryPartOf(path_), temporary_);
  if (handle_ == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    temporary_.clear();
    throw FileError(Kind::CannotCreate, path_, Win32Reason(error));
  }
}

Win32OutputFile::~Win32OutputFile() {
  if (!finished_) Discard();
}

void Win32OutputFile::Discard() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
  if (!temporary_.empty()) DeleteFileA(temporary_.c_str());
  temporary_.clear();
}

void Win32OutputFile::Fail(FileError::Kind kind, unsigned long error) {
  Discard();
  throw FileError(kind, path_, Win32Reason(error));
}

void Win32OutputFile::Write(std::string_view bytes) {
  if (handle_ == INVALID_HANDLE_VALUE) Fail(Kind::Incomplete, ERROR_INVALID_HANDLE);
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(handle_, bytes.data(), chunk, &written, nullptr)) Fail(Kind::Incomplete, GetLastError());
    if (written == 0) Fail(Kind::Incomplete, ERROR_DISK_FULL);
    bytes.remove_prefix(written);
  }
}

void Win32OutputFile::Stage() {
  if (staged_ || handle_ == INVALID_HANDLE_VALUE) Fail(Kind::Incomplete, ERROR_INVALID_HANDLE);
  // What the system gave the temporary (archive, and what its directory
  // passes on, such as not being indexed), less the hidden attribute that
  // marked it as one: a new file gets just that.
  BY_HANDLE_FILE_INFORMATION information{};
  const bool known = GetFileInformationByHandle(handle_, &information) != FALSE;
  newAttributes_ = known ? information.dwFileAttributes & ~DWORD{FILE_ATTRIBUTE_HIDDEN} : DWORD{FILE_ATTRIBUTE_ARCHIVE};
  if (newAttributes_ == 0) newAttributes_ = FILE_ATTRIBUTE_NORMAL;
  if (known && !target_.exists)
    identity_ = (static_cast<unsigned long long>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
  // Closed now, so that a write error the system reports late is seen
  // before anything is put in place.
  const bool closed = CloseHandle(handle_) != FALSE;
  handle_ = INVALID_HANDLE_VALUE;
  if (!closed) Fail(Kind::Incomplete, GetLastError());
  if (target_.exists) identity_ = Identity(path_).value_or(0);
  staged_ = true;
}

std::string Win32OutputFile::JournalNote() const {
  if (!target_.exists) return std::to_string(identity_);
  const std::string name = temporary_.substr(DirectoryPartOf(temporary_).size());
  return std::to_string(identity_) + " " + name + " " + BackupNameFor(name);
}

void Win32OutputFile::Place() {
  if (!staged_ || placed_ || finished_) Fail(Kind::Incomplete, ERROR_INVALID_HANDLE);
  if (target_.exists)
    PlaceOverExisting();
  else
    PlaceNew();
  temporary_.clear();
  placed_ = true;
}

bool Win32OutputFile::Undo() {
  if (!placed_) return false;
  if (placedNew_) {
    // Only the file this one placed is removed, not one put there since.
    const auto now = Identity(path_);
    if (now && (*now != identity_ || !DeleteFileA(path_.c_str()))) return false;
  } else if (backup_.empty() ||
             !MoveFileExA(backup_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return false;
  }
  backup_.clear();
  placed_ = false;
  return true;
}

void Win32OutputFile::Keep() {
  // A backup that cannot be removed is a leftover the next run removes.
  if (!backup_.empty()) DeleteFileA(backup_.c_str());
  backup_.clear();
  placed_ = false;
  finished_ = true;
}

void Win32OutputFile::PlaceNew() {
  // The temporary was hidden only while it was one.
  if (!SetFileAttributesA(temporary_.c_str(), newAttributes_)) Fail(Kind::CannotCreate, GetLastError());
  placedNew_ = true;
  // A second name for the written file never replaces anything, not even a
  // link whose target is missing (which a move over it does under Wine).
  if (const auto link = methods_.hardLinks ? CreateHardLinkA_() : nullptr) {
    if (link(path_.c_str(), temporary_.c_str(), nullptr)) {
      // A temporary name that cannot be removed is left for the next run's
      // clean-up; the file itself is in place.
      DeleteFileA(temporary_.c_str());
      return;
    }
    if (IsExistsError(GetLastError())) {
      Discard();
      throw FileError(Kind::Exists, path_, std::string(kFileExists));
    }
    // A file system without hard links (FAT, many network shares) takes
    // the move below.
  }
  if (!MoveFileExA(temporary_.c_str(), path_.c_str(), MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    if (IsExistsError(error)) {
      Discard();
      throw FileError(Kind::Exists, path_, std::string(kFileExists));
    }
    Fail(Kind::CannotCreate, error);
  }
}

void Win32OutputFile::PlaceOverExisting() {
  // What is to be replaced is judged once more: a file made read-only, or
  // turned into a directory, since this one was started stays as it is.
  Win32Target now;
  if (auto problem = Examine(path_, ExistingFile::Replace, now)) {
    Discard();
    throw *problem;
  }
  if (!now.exists) {
    // Gone since the start: put in place as a new file, which replaces
    // nothing that appeared since.
    identity_ = Identity(temporary_).value_or(0);
    PlaceNew();
    return;
  }
  // A link's own attributes say nothing of the file that replaces it.
  const DWORD kept = target_.link ? newAttributes_ : target_.attributes & kKeptAttributes;
  if (!SetFileAttributesA(temporary_.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL))
    Fail(Kind::CannotCreate, GetLastError());
  const std::string directory = DirectoryPartOf(temporary_);
  backup_ = directory + BackupNameFor(temporary_.substr(directory.size()));
  const auto replace = target_.link ? nullptr : ReplaceFileA_(methods_);
  if (!replace) {
    PlaceAside();
    return;
  }
  // The old file goes to the backup name, where it keeps everything it
  // had until Keep drops it or Undo puts it back.
  if (replace(path_.c_str(), temporary_.c_str(), backup_.c_str(), 0, nullptr, nullptr)) return;
  const DWORD error = GetLastError();
  // The system may have moved the old file to the backup name and then
  // failed to move the new one in: the old one goes back.
  if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 && GetFileAttributesA(path_.c_str()) == INVALID_FILE_ATTRIBUTES)
    MoveFileExA(backup_.c_str(), path_.c_str(), MOVEFILE_WRITE_THROUGH);
  backup_.clear();
  Fail(Kind::CannotCreate, error);
}

void Win32OutputFile::PlaceAside() {
  // The old file gets the backup name as a second name, and the new one
  // then takes its name in one step: the name is never missing, and Wine
  // (which renames what a link points to rather than the link) replaces a
  // link's name without touching its target.
  // A file another program holds open cannot be replaced, and its second
  // name could not be removed again: that is found out first.
  HANDLE old = CreateFileA(path_.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (old == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION) {
    backup_.clear();
    Fail(Kind::CannotCreate, ERROR_SHARING_VIOLATION);
  }
  if (old != INVALID_HANDLE_VALUE) CloseHandle(old);
  if (const auto link = methods_.hardLinks ? CreateHardLinkA_() : nullptr;
      link != nullptr && link(backup_.c_str(), path_.c_str(), nullptr)) {
    if (MoveFileExA(temporary_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return;
    const DWORD error = GetLastError();
    DeleteFileA(backup_.c_str());
    backup_.clear();
    Fail(Kind::CannotCreate, error);
  }
  if (RunsUnderWine()) {
    // Renaming the old file aside would move what a link there points to:
    // the file is replaced as a name, in one step, and cannot be put back.
    backup_.clear();
    if (!MoveFileExA(temporary_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      Fail(Kind::CannotCreate, GetLastError());
    return;
  }
  // Without hard links the old file is renamed to the backup name first.
  // Neither rename replaces anything: the backup name is the run's own,
  // and the name is free once the old file has left it.
  if (!MoveFileExA(path_.c_str(), backup_.c_str(), MOVEFILE_WRITE_THROUGH)) {
    backup_.clear();
    Fail(Kind::CannotCreate, GetLastError());
  }
  if (!MoveFileExA(temporary_.c_str(), path_.c_str(), MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    MoveFileExA(backup_.c_str(), path_.c_str(), MOVEFILE_WRITE_THROUGH);
    backup_.clear();
    Fail(Kind::CannotCreate, error);
  }
}

}  // namespace vantrel
