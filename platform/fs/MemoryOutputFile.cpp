#include "platform/fs/MemoryOutputFile.h"

#include "platform/fs/FileError.h"
#include "platform/fs/MemoryFileSystem.h"

namespace vantrel {

MemoryOutputFile::MemoryOutputFile(MemoryFileSystem& fs, std::string path, bool replaces)
    : fs_(fs), path_(std::move(path)), replaces_(replaces) {
  ++fs_.openFiles_;
}

MemoryOutputFile::~MemoryOutputFile() {
  if (open_) --fs_.openFiles_;
}

void MemoryOutputFile::Write(std::string_view bytes) {
  ++writeCalls_;
  if (failed_ || bytes.size() > fs_.freeSpace_) {
    // The disk fills up part-way: what fits is lost with the rest, because
    // nothing reaches the file before Finish.
    failed_ = true;
    throw FileError(FileError::Kind::Incomplete, path_, "No space left on device");
  }
  fs_.freeSpace_ -= bytes.size();
  pending_.append(bytes);
}

void MemoryOutputFile::Finish() {
  if (!open_ || failed_) throw FileError(FileError::Kind::Incomplete, path_, "Bad file descriptor");
  // A new file never replaces one that appeared after it was started.
  if (!replaces_ && fs_.Find(path_) != nullptr)
    throw FileError(FileError::Kind::Exists, path_, std::string(kFileExists));
  auto& entry = fs_.files_[path_];
  entry.content = std::move(pending_);
  entry.writeCalls = writeCalls_;
  open_ = false;
  --fs_.openFiles_;
}

}  // namespace vantrel
