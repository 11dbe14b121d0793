#include "generator/GenerationRun.h"

#include "generator/GeneratedFile.h"
#include "generator/OutputWriter.h"
#include "generator/TemplateWriter.h"
#include "generator/ViewBases.h"

namespace vantrel {
namespace {

// The resource subdirectory, as a generated name, and the start of the
// names of the files in it.
constexpr std::string_view kResourceDirectory = "res";
constexpr std::string_view kInResourceDirectory = "res\\";

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

LockedRun::LockedRun(ProjectSettings& settings, FileSystem& fs, int codePage, ExistingFile existing)
    : settings_(settings), fs_(fs), existing_(existing) {
  settings_.ComputeSeparator(codePage);
  // The view's header is the file that would name an unknown base.
  if (auto refused = RefusedViewBase(settings_.ViewBaseClass)) {
    refusals_.emplace_back(FileError::Kind::CannotCreate,
                           fs_.ProjectPath(settings_.Location, settings_.Separator, settings_.Name + "View.h"), *refused);
    return;
  }
  try {
    lock_ = fs_.LockDirectory(settings_.Location);
  } catch (const FileError& error) {
    refusals_.push_back(error);
    return;
  }
  if (auto problem = fs_.CheckDirectory(settings_.Location, false)) {
    refusals_.push_back(*problem);
    return;
  }
  // The resource directory is made by the run when it is missing; files
  // below one that cannot be used are not looked at one by one.
  auto resources = fs_.CheckDirectory(fs_.ProjectPath(settings_.Location, settings_.Separator, kResourceDirectory), true);
  if (resources) refusals_.push_back(*resources);
  for (const auto& file : GeneratedFiles()) {
    if (resources && RelativePath(file, settings_).starts_with(kInResourceDirectory)) continue;
    if (auto problem = fs_.CheckNewFile(PathOf(file, settings_, fs_), existing_)) refusals_.push_back(*problem);
  }
}

bool LockedRun::WriteOne(std::size_t index, OutputWriter& writer, const SpliceValues& values,
                         RunObserver* observer, FileOutcome& outcome) {
  const GeneratedFile& file = GeneratedFiles()[index];
  if (file.text) {
    writer.Create(outcome.path, existing_);
    WriteTemplate(*file.text, values, writer);
    outcome.status = writer.Replaced() ? FileOutcome::Status::Overwritten : FileOutcome::Status::Created;
    if (Stopping(observer)) {
      writer.Abandon();
      return false;
    }
    writer.Commit();
    return true;
  }
  // A module without the picture cannot write the file at all; nothing is
  // created rather than an empty picture.
  const std::string_view bytes = PictureFileBytes(file.picture);
  if (bytes.empty())
    throw FileError(FileError::Kind::CannotCreate, outcome.path,
                    "the library carries no picture " + std::string(file.picture.resource));
  auto out = fs_.CreateFile(outcome.path, existing_);
  outcome.status = out->ReplacesExisting() ? FileOutcome::Status::Overwritten : FileOutcome::Status::Created;
  if (Stopping(observer)) return false;
  out->Write(bytes);
  out->Finish();
  return true;
}

RunReport LockedRun::Write(ProjectOpener* opener, RunObserver* observer) {
  RunReport report;
  report.refusals = refusals_;
  if (!refusals_.empty()) return report;
  OutputWriter writer(fs_);
  const SpliceValues values(settings_);
  const auto files = GeneratedFiles();
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (Stopping(observer)) {
      report.stopped = true;
      break;
    }
    if (files[i].makesResourceDirectory)
      fs_.MakeDirectory(fs_.ProjectPath(settings_.Location, settings_.Separator, kResourceDirectory));
    FileOutcome outcome;
    outcome.path = PathOf(files[i], settings_, fs_);
    try {
      if (!WriteOne(i, writer, values, observer, outcome)) {
        report.stopped = true;
        break;
      }
    } catch (const FileError& error) {
      writer.Abandon();
      outcome.status = FileOutcome::Status::Failed;
      outcome.error = error.what();
      outcome.failure = error.kind();
    }
    report.files.push_back(std::move(outcome));
    if (observer) observer->FileDone(report.files.back());
  }
  if (report.Succeeded() && !Stopping(observer) && opener) {
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

std::vector<std::string> PlannedPaths(const ProjectSettings& settings, const FileSystem& fs) {
  std::vector<std::string> paths;
  for (const auto& file : GeneratedFiles()) paths.push_back(PathOf(file, settings, fs));
  return paths;
}

}  // namespace vantrel
