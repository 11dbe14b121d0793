#include "generator/GenerationRun.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <system_error>

#include "generator/GeneratedFile.h"
#include "generator/NameCheck.h"
#include "generator/OutputWriter.h"
#include "generator/TemplateWriter.h"
#include "generator/ViewBases.h"

namespace vantrel {
namespace {

// The resource subdirectory, as a generated name, and the start of the
// names of the files in it.
constexpr std::string_view kResourceDirectory = "res";
constexpr std::string_view kInResourceDirectory = "res\\";

// Whether relative is a name of the file table of the project named project
// (or the directory the table's pictures go to): the only names a journal
// is trusted with.
bool BelongsToProject(const std::string& project, const std::string& relative) {
  if (ProjectNameProblem(project)) return false;
  if (relative == kResourceDirectory) return true;
  ProjectSettings settings;
  settings.Name = project;
  settings.DeriveClassNames();
  for (const auto& file : GeneratedFiles())
    if (RelativePath(file, settings) == relative) return true;
  return false;
}

bool Stopping(RunObserver* observer) { return observer != nullptr && observer->StopRequested(); }

std::string PathOf(const GeneratedFile& file, const ProjectSettings& settings, const FileSystem& fs) {
  return fs.ProjectPath(settings.Location, settings.Separator, RelativePath(file, settings));
}

}  // namespace

bool RunReport::Succeeded() const {
  if (!refusals.empty() || stopped) return false;
  for (const auto& file : files)
    if (file.status == FileOutcome::Status::Failed) return false;
  return true;
}

std::vector<std::string> RunReport::Errors() const {
  std::vector<std::string> errors;
  for (const auto& refusal : refusals) errors.push_back(refusal.what());
  for (const auto& file : files)
    if (file.status == FileOutcome::Status::Failed) errors.push_back(file.error);
  return errors;
}

LockedRun::LockedRun(ProjectSettings& settings, FileSystem& fs, int codePage, ExistingFile existing, bool rollBack)
    : settings_(settings), fs_(fs), existing_(existing) {
  settings_.ComputeSeparator(codePage);
  // The view's header is the file that would name an unknown base.
  if (auto refused = RefusedViewBase(settings_.ViewBaseClass)) {
    refusals_.emplace_back(FileError::Kind::CannotCreate,
                           fs_.ProjectPath(settings_.Location, settings_.Separator, settings_.Name + "View.h"), *refused);
    return;
  }
  try {
    location_ = fs_.OpenLocked(settings_.Location, settings_.Separator);
  } catch (const FileError& error) {
    refusals_.push_back(error);
    return;
  }
  // No live run can be placing files while the lock is held.
  if (rollBack) {
    rolledBack_ = location_->RollBack(BelongsToProject);
    // A journal left (not this program's, or naming a file that could not
    // be put back) keeps its name from the run, which needs it.
    if (auto stays = location_->PendingJournal())
      refusals_.emplace_back(FileError::Kind::CannotCreate, *stays, std::string(kNotAJournal));
  } else {
    pendingRollBack_ = location_->PendingJournal();
  }
  if (auto problem = location_->CheckDirectory("", false)) {
    refusals_.push_back(*problem);
    return;
  }
  // The resource directory is made by the run when it is missing; files
  // below one that cannot be used are not looked at one by one.
  auto resources = location_->CheckDirectory(kResourceDirectory, true);
  if (resources) refusals_.push_back(*resources);
  for (const auto& file : GeneratedFiles()) {
    const std::string relative = RelativePath(file, settings_);
    if (resources && relative.starts_with(kInResourceDirectory)) continue;
    const std::string path = location_->PathOf(relative);
    if (const std::size_t overrun = fs_.PathOverrun(path))
      refusals_.emplace_back(FileError::Kind::CannotCreate, path, PathTooLongReason(overrun));
    else if (auto problem = location_->CheckNewFile(relative, existing_))
      refusals_.push_back(*problem);
  }
  // Every file is held open until all are written.
  if (auto problem = location_->CheckOpenFiles(GeneratedFiles().size())) refusals_.push_back(*problem);
}

std::unique_ptr<OutputFile> LockedRun::StageOne(std::size_t index, OutputWriter& writer, const SpliceValues& values,
                                                FileOutcome& outcome) {
  const GeneratedFile& file = GeneratedFiles()[index];
  const std::string relative = RelativePath(file, settings_);
  if (file.text) {
    writer.Start(location_->CreateFile(relative, existing_));
    WriteTemplate(*file.text, values, writer);
    outcome.status = writer.Replaced() ? FileOutcome::Status::Overwritten : FileOutcome::Status::Created;
    return writer.Stage();
  }
  // A module without the picture cannot write the file at all; nothing is
  // created rather than an empty picture.
  const std::string_view bytes = PictureFileBytes(file.picture);
  if (bytes.empty())
    throw FileError(FileError::Kind::CannotCreate, outcome.path,
                    "the library carries no picture " + std::string(file.picture.resource));
  auto out = location_->CreateFile(relative, existing_);
  outcome.status = out->ReplacesExisting() ? FileOutcome::Status::Overwritten : FileOutcome::Status::Created;
  out->Write(bytes);
  out->Stage();
  return out;
}

void LockedRun::Undo(std::vector<std::unique_ptr<OutputFile>>& placed, const std::vector<FileOutcome>& outcomes,
                     RunReport& report) {
  for (std::size_t i = placed.size(); i-- > 0;) {
    bool undone = false;
    try {
      undone = placed[i]->Undo();
    } catch (const std::exception&) {
      // Reported below, like any placement that stays.
    }
    if (!undone) report.notRestored.push_back(outcomes[i].path);
  }
  placed.clear();
}

RunReport LockedRun::Write(ProjectOpener* opener, RunObserver* observer) {
  RunReport report;
  report.refusals = refusals_;
  if (!refusals_.empty()) return report;
  if (!location_) throw std::logic_error("a run writes its project once");
  // No live run can own a temporary in the location while the lock is held.
  report.rolledBack = rolledBack_;
  report.leftoversRemoved = location_->RemoveLeftovers();
  OutputWriter writer;
  const SpliceValues values(settings_);
  const auto files = GeneratedFiles();
  std::vector<FileOutcome> outcomes;
  std::vector<std::unique_ptr<OutputFile>> staged;
  outcomes.reserve(files.size());
  staged.reserve(files.size());
  bool madeResources = false;
  bool failed = false;
  // Runs step for the file in hand; any error fails that file and the run.
  auto attempt = [&](FileOutcome& outcome, auto&& step) {
    auto fail = [&](FileError::Kind kind, const std::string& reason) {
      writer.Abandon();
      outcome.status = FileOutcome::Status::Failed;
      outcome.error = FileError::MessageFor(kind, outcome.path, reason);
      outcome.failure = kind;
      failed = true;
      report.files.push_back(outcome);
    };
    try {
      step();
    } catch (const FileError& error) {
      fail(error.kind(), error.reason());
    } catch (const std::bad_alloc&) {
      fail(FileError::Kind::Incomplete, std::make_error_code(std::errc::not_enough_memory).message());
    } catch (const std::exception& error) {
      fail(FileError::Kind::Incomplete, error.what());
    }
  };

  // Every file is written whole before any is put in place.
  for (std::size_t i = 0; i < files.size() && !failed; ++i) {
    if (Stopping(observer)) {
      report.stopped = true;
      break;
    }
    FileOutcome outcome;
    attempt(outcome, [&] {
      const std::string relative = RelativePath(files[i], settings_);
      outcome.path = location_->PathOf(relative);
      if (files[i].makesResourceDirectory) {
        try {
          madeResources = location_->MakeDirectory(kResourceDirectory);
        } catch (const FileError& error) {
          throw FileError(FileError::Kind::CannotCreate, outcome.path, error.reason());
        }
      }
      staged.push_back(StageOne(i, writer, values, outcome));
      outcomes.push_back(outcome);
    });
    if (observer) observer->FileDone(failed ? report.files.back() : outcomes.back());
  }

  // The journal names what the placements change, so that a later run can
  // take them back should this one be killed before it ends.
  bool journal = false;
  if (!failed && !report.stopped) {
    std::vector<LockedDirectory::JournalEntry> entries;
    if (madeResources) entries.push_back({std::string(kResourceDirectory), "", true});
    for (std::size_t i = 0; i < staged.size(); ++i)
      entries.push_back({RelativePath(files[i], settings_), staged[i]->JournalNote(), false, staged[i]->ReplacesExisting()});
    FileOutcome outcome;
    attempt(outcome, [&] {
      try {
        location_->WriteJournal(settings_.Name, entries);
        journal = true;
      } catch (const FileError& error) {
        outcome.path = error.path();
        throw;
      }
    });
  }

  // Then each is put in place; a placement can be taken back until all are.
  std::vector<std::unique_ptr<OutputFile>> placed;
  placed.reserve(staged.size());
  for (std::size_t i = 0; i < staged.size() && !failed && !report.stopped; ++i) {
    if (Stopping(observer)) {
      report.stopped = true;
      break;
    }
    FileOutcome outcome = outcomes[i];
    attempt(outcome, [&] {
      staged[i]->Place();
      placed.push_back(std::move(staged[i]));
    });
    if (!failed && observer) observer->FilePlaced(outcome);
  }
  // A stop that comes while the last file is put in place still counts.
  if (!failed && !report.stopped && Stopping(observer)) report.stopped = true;

  if (failed || report.stopped) {
    Undo(placed, outcomes, report);
    staged.clear();
    // What could not be taken back stays in the journal for a later run.
    if (journal && report.notRestored.empty()) location_->RemoveJournal();
    if (madeResources && report.notRestored.empty()) location_->RemoveEmptyDirectory(kResourceDirectory);
    return report;
  }
  // The journal goes first: a run killed while dropping the old files then
  // leaves only temporaries, which the next run removes.
  if (journal) location_->RemoveJournal();
  for (auto& file : placed) file->Keep();
  placed.clear();
  report.files = std::move(outcomes);
  // The run lets go of the location before the host opens the project, so
  // that the host finds it as the run leaves it, with no lock in it.
  location_.reset();
  if (opener) {
    opener->CloseProject();
    opener->OpenFile(fs_.ProjectPath(settings_.Location, settings_.Separator, settings_.Name + ".bpr"));
    report.openRequested = true;
  }
  return report;
}

RunReport GenerationRun(ProjectSettings& settings, FileSystem& fs, ProjectOpener* opener, int codePage,
                        ExistingFile existing, RunObserver* observer) {
  LockedRun run(settings, fs, codePage, existing);
  return run.Write(opener, observer);
}

std::optional<std::string> NameFitProblem(const ProjectSettings& settings, const FileSystem& fs) {
  std::size_t overrun = 0;
  for (const auto& file : GeneratedFiles()) overrun = std::max(overrun, fs.PathOverrun(PathOf(file, settings, fs)));
  if (overrun == 0) return std::nullopt;
  return "The project name is " + std::to_string(overrun) + (overrun == 1 ? " character" : " characters") +
         " too long for this location: the longest path the project needs, temporary names included, "
         "would be longer than the system allows.";
}

std::vector<std::string> PlannedPaths(const ProjectSettings& settings, const FileSystem& fs) {
  std::vector<std::string> paths;
  for (const auto& file : GeneratedFiles()) paths.push_back(PathOf(file, settings, fs));
  return paths;
}

}  // namespace vantrel
