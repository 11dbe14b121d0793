#include "platform/fs/Win32OutputFile.h"

#include <windows.h>

#include <atomic>
#include <cstdio>

#include "platform/fs/Win32Path.h"

namespace vantrel {
namespace {

using Kind = FileError::Kind;

// The attributes a replacement takes over from the file it replaces.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// A new, empty file beside path, opened for writing by this process alone;
// its name is kept in name. Names are made from the process id and a
// counter, and a name that is taken is skipped. The handle, or
// INVALID_HANDLE_VALUE with the error left for GetLastError.
HANDLE CreateTemporaryBeside(const std::string& path, std::string& name) {
  static std::atomic<unsigned> counter{0};
  const std::size_t separator = LastSeparator(path);
  const std::string directory = separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, "~vantrel-%lx-%x.tmp", GetCurrentProcessId(), counter++);
    name = directory + suffix;
    HANDLE handle = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return handle;
  }
  SetLastError(ERROR_FILE_EXISTS);
  return INVALID_HANDLE_VALUE;
}

}  // namespace

std::optional<FileError> Win32OutputFile::Examine(const std::string& path, ExistingFile existing,
                                                  Win32Target& target) {
  target = {};
  if (path.size() >= MAX_PATH) return FileError(Kind::CannotCreate, path, Win32Reason(ERROR_FILENAME_EXCED_RANGE));
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    // A missing parent is left to the directory check and to the creation.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
    return FileError(Kind::CannotCreate, path, Win32Reason(error));
  }
  target.exists = true;
  target.attributes = attributes;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return FileError(Kind::CannotCreate, path, std::string(kNotRegularFile));
  if (existing == ExistingFile::Keep) return FileError(Kind::Exists, path, std::string(kFileExists));
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
    return FileError(Kind::CannotCreate, path, std::string(kReadOnlyFile));
  return std::nullopt;
}

Win32OutputFile::Win32OutputFile(std::string path, ExistingFile existing)
    : path_(std::move(path)), handle_(INVALID_HANDLE_VALUE) {
  if (auto problem = Examine(path_, existing, target_)) throw *problem;
  handle_ = CreateTemporaryBeside(path_, temporary_);
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

void Win32OutputFile::Finish() {
  if (handle_ == INVALID_HANDLE_VALUE) Fail(Kind::Incomplete, ERROR_INVALID_HANDLE);
  const bool closed = CloseHandle(handle_) != FALSE;
  handle_ = INVALID_HANDLE_VALUE;
  if (!closed) Fail(Kind::Incomplete, GetLastError());
  if (target_.exists) {
    // Made read-only since the start: still never replaced.
    const DWORD now = GetFileAttributesA(path_.c_str());
    if (now != INVALID_FILE_ATTRIBUTES && (now & FILE_ATTRIBUTE_READONLY) != 0) {
      Discard();
      throw FileError(Kind::CannotCreate, path_, std::string(kReadOnlyFile));
    }
    const DWORD kept = target_.attributes & kKeptAttributes;
    if (!SetFileAttributesA(temporary_.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL))
      Fail(Kind::CannotCreate, GetLastError());
  }
  const DWORD flags = MOVEFILE_WRITE_THROUGH | (target_.exists ? MOVEFILE_REPLACE_EXISTING : 0);
  if (!MoveFileExA(temporary_.c_str(), path_.c_str(), flags)) {
    const DWORD error = GetLastError();
    if (!target_.exists && (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)) {
      Discard();
      throw FileError(Kind::Exists, path_, std::string(kFileExists));
    }
    Fail(Kind::CannotCreate, error);
  }
  temporary_.clear();
  finished_ = true;
}

}  // namespace vantrel
