#include "platform/fs/Win32OutputFile.h"

#include <windows.h>

#include <atomic>
#include <cstdio>

#include "platform/fs/FileError.h"

namespace vantrel {
namespace {

// The directory part of a path, up to its last backslash or slash (a
// trailing byte of a double-byte character is never taken for one), or ""
// for a bare name.
std::string DirectoryOf(const std::string& path) {
  const UINT codePage = GetACP();
  std::size_t end = std::string::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(path[i])) && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (path[i] == '\\' || path[i] == '/') end = i;
  }
  return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

// A new, empty file beside the target, opened for writing by this process
// alone. Names are made from the process id and a counter, and a name that
// exists already is skipped.
HANDLE CreateTemporaryBeside(const std::string& target, std::string& name) {
  static std::atomic<unsigned> counter{0};
  const std::string directory = DirectoryOf(target);
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[40];
    std::snprintf(suffix, sizeof suffix, "~vantrel-%lx-%x.tmp", GetCurrentProcessId(), counter++);
    name = directory + suffix;
    HANDLE handle = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return handle;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

Win32OutputFile::Win32OutputFile(const std::string& path) : target_(path), handle_(INVALID_HANDLE_VALUE) {
  // The ANSI calls take paths shorter than MAX_PATH; a longer one is refused
  // as it stands rather than cut to fit.
  if (target_.size() >= MAX_PATH) throw FileError(FileError::Kind::CannotCreate, target_);
  const DWORD attributes = GetFileAttributesA(target_.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
      throw FileError(FileError::Kind::CannotCreate, target_);
    replaces_ = true;
    attributes_ = attributes;
  }
  handle_ = CreateTemporaryBeside(target_, temporary_);
  if (handle_ == INVALID_HANDLE_VALUE) {
    temporary_.clear();
    throw FileError(FileError::Kind::CannotCreate, target_);
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

void Win32OutputFile::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (handle_ == INVALID_HANDLE_VALUE || !WriteFile(handle_, bytes.data(), chunk, &written, nullptr) ||
        written == 0) {
      Discard();
      throw FileError(FileError::Kind::Incomplete, target_);
    }
    bytes.remove_prefix(written);
  }
}

void Win32OutputFile::Finish() {
  if (handle_ == INVALID_HANDLE_VALUE) throw FileError(FileError::Kind::Incomplete, target_);
  const bool closed = CloseHandle(handle_) != FALSE;
  handle_ = INVALID_HANDLE_VALUE;
  // A replacement takes the old file's attributes (hidden, system...) and
  // then its place in one rename; a new file never replaces one that
  // appeared since it was started.
  const bool placed =
      closed && (!replaces_ || SetFileAttributesA(temporary_.c_str(), attributes_) != FALSE) &&
      MoveFileExA(temporary_.c_str(), target_.c_str(),
                  MOVEFILE_WRITE_THROUGH | (replaces_ ? MOVEFILE_REPLACE_EXISTING : 0)) != FALSE;
  if (!placed) {
    Discard();
    throw FileError(FileError::Kind::Incomplete, target_);
  }
  temporary_.clear();
  finished_ = true;
}

}  // namespace vantrel
