#include "platform/fs/MemoryOutputFile.h"

#include "platform/fs/FileError.h"
#include "platform/fs/TargetRule.h"

namespace vantrel {

MemoryOutputFile::MemoryOutputFile(MemoryFileSystem& fs, std::string path, bool replaces)
    : fs_(fs), path_(std::move(path)), replaces_(replaces) {
  ++fs_.openFiles_;
}

MemoryOutputFile::~MemoryOutputFile() { Close(); }

void MemoryOutputFile::Close() {
  if (open_) --fs_.openFiles_;
  open_ = false;
}

void MemoryOutputFile::Write(std::string_view bytes) {
  if (!open_ || staged_) throw FileError(FileError::Kind::Incomplete, path_, "Bad file descriptor");
  ++writeCalls_;
  pending_.append(bytes);
}

void MemoryOutputFile::Stage() {
  if (!open_) throw FileError(FileError::Kind::Incomplete, path_, "Bad file descriptor");
  staged_ = true;
}

void MemoryOutputFile::Place() {
  if (!open_) throw FileError(FileError::Kind::Incomplete, path_, "Bad file descriptor");
  // A new file never replaces one that appeared after it was started.
  const auto* found = fs_.Find(path_);
  if (!replaces_ && found != nullptr) throw FileError(FileError::Kind::Exists, path_, std::string(kFileExists));
  // What is to be replaced is judged once more, as when the file was started.
  if (replaces_)
    if (auto problem = TargetRefusal(fs_.FactsAt(path_), path_, ExistingFile::Replace, MemoryFileSystem::kIsADirectory)) throw *problem;
  if (fs_.refusedPlaces_.count(path_)) throw FileError(FileError::Kind::CannotCreate, path_, "Input/output error");
  if (found != nullptr) old_ = *found;
  auto& entry = fs_.files_[path_];
  entry.content = std::move(pending_);
  entry.writeCalls = writeCalls_;
  placed_ = true;
  Close();
}

bool MemoryOutputFile::Undo() {
  if (!placed_ || fs_.refusedUndos_.count(path_)) return false;
  if (old_)
    fs_.files_[path_] = *old_;
  else
    fs_.files_.erase(path_);
  old_.reset();
  placed_ = false;
  return true;
}

}  // namespace vantrel
