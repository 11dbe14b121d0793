#pragma once

#include <memory>
#include <string>
#include <vector>

#include "generator/ProjectOpener.h"
#include "generator/ProjectSettings.h"
#include "platform/fs/FileError.h"
#include "platform/fs/FileSystem.h"

namespace vantrel {

class OutputWriter;
struct SpliceValues;

// What happened to one file of a run.
struct FileOutcome {
  enum class Status { Created, Overwritten, Failed };
  std::string path;  // The native full path.
  Status status = Status::Created;
  std::string error;  // The message, for a failed file.
  FileError::Kind failure = FileError::Kind::CannotCreate;  // For a failed file.
};

struct RunReport {
  // The problems found before anything was written; when there are any,
  // nothing was written.
  std::vector<FileError> refusals;
  std::vector<FileOutcome> files;
  bool stopped = false;  // Ended on request: the files not listed were not written.
  bool openRequested = false;

  bool Succeeded() const;
  // The messages of the refusals, then of the files that failed, in order.
  std::vector<std::string> Errors() const;
};

// Follows a run and may end it early.
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  // Called after each file, written or failed.
  virtual void FileDone(const FileOutcome&) {}
  // Asked before each file is started and again before it is put in place.
  // True ends the run there: the file in hand is dropped, no other file is
  // written and nothing is opened.
  virtual bool StopRequested() { return false; }
};

// One run into a location. Constructing it computes the separator, takes the
// location's lock (held until the run is destroyed) and checks everything
// that can be known before writing: a location that is missing, gone, or
// not writable, a "res" that is not a directory, and each file that could
// not be created (a directory at its path, a read-only file, or any existing
// file when existing files are kept). Nothing is written until Write.
class LockedRun {
 public:
  LockedRun(ProjectSettings& settings, FileSystem& fs, int codePage, ExistingFile existing);

  const std::vector<FileError>& Refusals() const { return refusals_; }

  // Writes every generated file in its fixed order, then, only when every
  // file was written completely, asks the opener to close the current project
  // and open the new makefile. A file that fails does not stop the run:
  // every other file is still written, and the report names each failure.
  // With refusals nothing is written and the report carries them.
  RunReport Write(ProjectOpener* opener, RunObserver* observer = nullptr);

 private:
  bool WriteOne(std::size_t index, OutputWriter& writer, const SpliceValues& values, RunObserver* observer,
                FileOutcome& outcome);

  ProjectSettings& settings_;
  FileSystem& fs_;
  ExistingFile existing_;
  std::unique_ptr<DirectoryLock> lock_;
  std::vector<FileError> refusals_;
};

// A whole run: LockedRun, then Write. The wizard replaces existing files.
RunReport GenerationRun(ProjectSettings& settings, FileSystem& fs, ProjectOpener* opener, int codePage,
                        ExistingFile existing = ExistingFile::Replace, RunObserver* observer = nullptr);

// The native full paths a run would write, in order, for settings whose
// separator has been computed.
std::vector<std::string> PlannedPaths(const ProjectSettings& settings, const FileSystem& fs);

}  // namespace vantrel
