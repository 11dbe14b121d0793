#include "generator/GenerationRun.h"

#include "generator/GeneratedFile.h"
#include "generator/OutputWriter.h"
#include "platform/fs/FileError.h"

namespace vantrel {
namespace {

void WriteOne(const GeneratedFile& file, const ProjectSettings& settings, FileSystem& fs,
              OutputWriter& writer, FileOutcome& outcome) {
  if (file.text) {
    writer.Create(outcome.path);
    file.text(settings, writer);
    outcome.status = writer.Replaced() ? FileOutcome::Status::Overwritten : FileOutcome::Status::Created;
    writer.Commit();
    return;
  }
  auto out = fs.CreateFile(outcome.path);
  outcome.status = out->ReplacesExisting() ? FileOutcome::Status::Overwritten : FileOutcome::Status::Created;
  out->Write(file.picture());
  out->Finish();
}

}  // namespace

bool RunReport::Succeeded() const {
  for (const auto& file : files)
    if (file.status == FileOutcome::Status::Failed) return false;
  return true;
}

std::vector<std::string> RunReport::Errors() const {
  std::vector<std::string> errors;
  for (const auto& file : files)
    if (file.status == FileOutcome::Status::Failed) errors.push_back(file.error);
  return errors;
}

RunReport GenerationRun(ProjectSettings& settings, FileSystem& fs, ProjectOpener* opener,
                        int codePage) {
  settings.ComputeSeparator(codePage);
  RunReport report;
  OutputWriter writer(fs);
  for (const auto& file : GeneratedFiles()) {
    if (file.makesResourceDirectory) fs.MakeDirectory(settings.Location + settings.Separator + "res\\");
    FileOutcome outcome;
    outcome.path = FullPath(file, settings);
    try {
      WriteOne(file, settings, fs, writer, outcome);
    } catch (const FileError& error) {
      writer.Abandon();
      outcome.status = FileOutcome::Status::Failed;
      outcome.error = error.what();
      outcome.failure = error.kind();
    }
    report.files.push_back(std::move(outcome));
  }
  if (report.Succeeded() && opener) {
    opener->CloseProject();
    opener->OpenFile(settings.Location + settings.Separator + settings.Name + ".bpr");
    report.openRequested = true;
  }
  return report;
}

std::vector<std::string> PlannedPaths(const ProjectSettings& settings) {
  std::vector<std::string> paths;
  for (const auto& file : GeneratedFiles()) paths.push_back(FullPath(file, settings));
  return paths;
}

}  // namespace vantrel
