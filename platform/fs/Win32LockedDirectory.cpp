#include "platform/fs/Win32LockedDirectory.h"

#include <windows.h>

#include "platform/fs/Win32OutputFile.h"
#include "platform/fs/Win32Path.h"

namespace vantrel {
namespace {

using Kind = FileError::Kind;

}  // namespace

std::unique_ptr<Win32DirectoryHold> Win32DirectoryHold::Open(const std::string& path, bool refuseLink,
                                                             unsigned long& error) {
  const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (refuseLink ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
  HANDLE handle = CreateFileA(path.c_str(), FILE_ADD_FILE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              flags, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    error = GetLastError();
    return nullptr;
  }
  std::unique_ptr<Win32DirectoryHold> hold(new Win32DirectoryHold(handle));
  // What is held is what the run writes into: it is looked at through the
  // handle, so that nothing can be put in its place after the look.
  BY_HANDLE_FILE_INFORMATION information{};
  if (!GetFileInformationByHandle(handle, &information)) {
    error = GetLastError();
    return nullptr;
  }
  if ((information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    error = ERROR_DIRECTORY;
    return nullptr;
  }
  if (refuseLink && (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    error = ERROR_REPARSE_ATTRIBUTE_CONFLICT;
    return nullptr;
  }
  return hold;
}

Win32DirectoryHold::~Win32DirectoryHold() { CloseHandle(handle_); }

bool Win32LockedDirectory::MakeDirectory(std::string_view relative) {
  const bool made = PathLockedDirectory::MakeDirectory(relative);
  if (HeldEntry(relative) != held_.end()) return made;
  const std::string path = PathOf(relative);
  DWORD error = 0;
  auto hold = Win32DirectoryHold::Open(path, true, error);
  if (!hold) {
    throw FileError(Kind::BadDirectory, path,
                    error == ERROR_REPARSE_ATTRIBUTE_CONFLICT ? std::string(kLinkedDirectory) : Win32Reason(error));
  }
  held_.emplace_back(std::string(relative), std::move(hold));
  return made;
}

bool Win32LockedDirectory::RemoveEmptyDirectory(std::string_view relative) {
  // The run's own hold would keep it from being removed.
  if (auto held = HeldEntry(relative); held != held_.end()) held_.erase(held);
  return PathLockedDirectory::RemoveEmptyDirectory(relative);
}

void Win32LockedDirectory::WriteJournal(const std::string& project, const std::vector<JournalEntry>& entries) {
  const std::string text = JournalText(project, entries);
  const std::string path = PathOf(kJournalName);
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_WRITE_THROUGH, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw FileError(Kind::CannotCreate, path, Win32Reason(GetLastError()));
  DWORD written = 0;
  const bool wrote = WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != FALSE &&
                     written == text.size();
  const DWORD error = wrote ? 0 : (written == 0 && GetLastError() != 0 ? GetLastError() : DWORD{ERROR_DISK_FULL});
  const bool closed = CloseHandle(handle) != FALSE;
  if (!wrote || !closed) {
    const DWORD reason = wrote ? GetLastError() : error;
    DeleteFileA(path.c_str());
    throw FileError(Kind::Incomplete, path, Win32Reason(reason));
  }
}

void Win32LockedDirectory::RemoveJournal() { DeleteFileA(PathOf(kJournalName).c_str()); }

std::optional<std::string> Win32LockedDirectory::PendingJournal() const {
  const std::string path = PathOf(kJournalName);
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES && !IsUnseenEntry(path)) return std::nullopt;
  return path;
}

std::vector<std::string> Win32LockedDirectory::RollBack(
    bool (*belongs)(const std::string& project, const std::string& relative)) {
  const std::string path = PathOf(kJournalName);
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES && !IsUnseenEntry(path)) return {};
  // Only a plain file of a journal's size is read; a link is not followed.
  std::string text;
  if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0)
    if (auto content = fs_.ReadFile(path); content && content->size() <= kJournalLimit) text = std::move(*content);
  bool complete = false;
  auto lines = RollBackJournal(text, path, belongs, *this, complete);
  if (complete) RemoveJournal();
  return lines;
}

bool Win32LockedDirectory::IsAsideName(std::string_view temporary, std::string_view backup) const {
  return temporary.starts_with("~vt") && Win32OutputFile::IsTemporaryName(temporary) &&
         backup == Win32OutputFile::BackupNameFor(temporary);
}

UndoResult Win32LockedDirectory::RemoveNew(const JournalPlacement& placement) {
  const auto now = Win32OutputFile::Identity(placement.path);
  if (!now) return {Undone::Nothing, {}};
  if (placement.identity && *now != *placement.identity) return {Undone::Foreign, {}};
  if (!DeleteFileA(placement.path.c_str())) return {Undone::Failed, Win32Reason(GetLastError())};
  return {Undone::Done, {}};
}

UndoResult Win32LockedDirectory::RestoreOld(const JournalPlacement& placement) {
  // The old file is found by its identity: still at its name (not yet
  // replaced), or where the placement kept it aside.
  if (Win32OutputFile::Identity(placement.path) == placement.identity) return {Undone::Nothing, {}};
  const std::string directory = DirectoryPartOf(placement.path);
  for (const std::string& name : {placement.backup, placement.temporary}) {
    const std::string aside = directory + name;
    if (Win32OutputFile::Identity(aside) != placement.identity) continue;
    if (!MoveFileExA(aside.c_str(), placement.path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return {Undone::Failed, Win32Reason(GetLastError())};
    return {Undone::Done, {}};
  }
  return {Undone::Gone, {}};
}

}  // namespace vantrel
