#pragma once

#include <memory>
#include <optional>
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
  // Every file, when the run succeeded; otherwise the file that failed (if
  // one did), since the others were either not placed or taken back.
  std::vector<FileOutcome> files;
  // The temporaries a killed run had left in the location, removed before
  // this run wrote anything.
  std::vector<std::string> leftoversRemoved;
  // What taking back a run killed while it placed its files did, before
  // this run looked at the location (see LockedRun).
  std::vector<std::string> rolledBack;
  // The files put in place before a failure or a stop that could not be
  // taken back (native full paths); empty when the location is as it was.
  std::vector<std::string> notRestored;
  bool stopped = false;  // Ended on request; nothing was changed unless notRestored says otherwise.
  bool openRequested = false;

  bool Succeeded() const;
  // True when the run did not succeed and the location is as it was.
  bool Unchanged() const { return !Succeeded() && notRestored.empty(); }
  // The messages of the refusals, then of the files that failed, in order.
  std::vector<std::string> Errors() const;
};

// Follows a run and may end it early.
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  // Called after each file is written whole (staged), or has failed.
  virtual void FileDone(const FileOutcome&) {}
  // Called after each file is put in place.
  virtual void FilePlaced(const FileOutcome&) {}
  // Asked before each file is started, again before each is put in place,
  // and once when all are in place. True ends the run there: the files put
  // in place are taken back, the others dropped, and nothing is opened.
  virtual bool StopRequested() { return false; }
};

// One run into a location. Constructing it computes the separator, opens the
// location and takes its lock (held until the run is destroyed) and checks
// everything that can be known before writing: a location that is missing,
// gone, or not writable, a "res" that is not a directory (a link to one
// included), each path the run would use that is too long for the system,
// and each file that could not be created (a directory, pipe or device at
// its path, a read-only file, or any existing file when existing files are
// kept). Nothing is written until Write, and everything is written into the
// directory that was opened and checked, even if its path is taken by
// another meanwhile.

class LockedRun {
 public:
  // Unless rollBack is false (a dry run), a journal that a run killed while
  // placing its files left in the location is taken back first, before the
  // checks, acting only on the names of the file table of the project it
  // names.
  LockedRun(ProjectSettings& settings, FileSystem& fs, int codePage, ExistingFile existing, bool rollBack = true);

  const std::vector<FileError>& Refusals() const { return refusals_; }
  // What the roll-back did, a line each; empty when there was nothing to do.
  const std::vector<std::string>& RolledBack() const { return rolledBack_; }
  // The path of a journal left to take back, when rollBack was false.
  const std::optional<std::string>& PendingRollBack() const { return pendingRollBack_; }

  // Removes the temporaries a killed run left (see FileSystem::
  // RemoveLeftovers), then changes the whole project or nothing: it writes
  // every generated file whole beside its name (staging), in the fixed
  // order, and only when all are written puts them in place, keeping each
  // replaced file aside until every file is in place. A file that fails
  // while staging ends the run: the files staged are dropped, and a "res"
  // the run made is removed again. A file that fails while being placed
  // ends the run too: the files already placed are taken back, the old
  // ones restored. Only when every file is in place are the old ones
  // dropped and the opener asked to close the current project and open the
  // new makefile. With refusals nothing is written and the report carries
  // them. Any error, running out of memory included, fails the file in
  // hand. A stop requested at any point, even after the last file, is
  // reported as such, nothing is changed and the project is not opened.
  // A run that wrote its project has let go of the location: it writes once.
  RunReport Write(ProjectOpener* opener, RunObserver* observer = nullptr);

 private:
  // Writes the file index whole beside its name; returns it, to be placed.
  std::unique_ptr<OutputFile> StageOne(std::size_t index, OutputWriter& writer, const SpliceValues& values,
                                       FileOutcome& outcome);
  // Takes back the files placed, last first; the report lists those that
  // could not be.
  void Undo(std::vector<std::unique_ptr<OutputFile>>& placed, const std::vector<FileOutcome>& outcomes,
            RunReport& report);

  ProjectSettings& settings_;
  FileSystem& fs_;
  ExistingFile existing_;
  std::unique_ptr<LockedDirectory> location_;
  std::vector<FileError> refusals_;
  std::vector<std::string> rolledBack_;
  std::optional<std::string> pendingRollBack_;
};

// A whole run: LockedRun, then Write. The wizard replaces existing files.
RunReport GenerationRun(ProjectSettings& settings, FileSystem& fs, ProjectOpener* opener, int codePage,
                        ExistingFile existing = ExistingFile::Replace, RunObserver* observer = nullptr);

// The native full paths a run would write, in order, for settings whose
// separator has been computed.
std::vector<std::string> PlannedPaths(const ProjectSettings& settings, const FileSystem& fs);

// Why the project's name can never be written in its location: the longest
// path a run would use for it (temporaries included) is longer than the
// system takes, by the count the message gives. Nothing when every path
// fits. For settings whose separator has been computed.
std::optional<std::string> NameFitProblem(const ProjectSettings& settings, const FileSystem& fs);

}  // namespace vantrel
