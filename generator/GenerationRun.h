#pragma once

#include <string>
#include <vector>

#include "generator/ProjectOpener.h"
#include "generator/ProjectSettings.h"
#include "platform/fs/FileError.h"
#include "platform/fs/FileSystem.h"

namespace vantrel {

// What happened to one file of a run.
struct FileOutcome {
  enum class Status { Created, Overwritten, Failed };
  std::string path;  // Location + Separator + relative name.
  Status status = Status::Created;
  std::string error;  // The message, for a failed file.
  FileError::Kind failure = FileError::Kind::CannotCreate;  // For a failed file.
};

struct RunReport {
  std::vector<FileOutcome> files;
  bool openRequested = false;

  bool Succeeded() const;
  // The messages of the files that failed, in the order of the run.
  std::vector<std::string> Errors() const;
};

// Writes every generated file in its fixed order, then, only when every file
// was written completely, asks the opener to close the current project and
// open the new makefile. A file that fails does not stop the run: every
// other file is still written, and the report names each failure.
RunReport GenerationRun(ProjectSettings& settings, FileSystem& fs, ProjectOpener* opener,
                        int codePage);

// The full paths a run would write, in order, for settings whose separator
// has been computed.
std::vector<std::string> PlannedPaths(const ProjectSettings& settings);

}  // namespace vantrel
