#include "apps/vantrel/NewCommand.h"

#include <string>
#include <vector>

#include "apps/vantrel/PrintingOpener.h"
#include "generator/GenerationRun.h"
#include "generator/NameCheck.h"
#include "generator/Summary.h"
#include "platform/fs/FileError.h"

namespace vantrel::cli {
namespace {

// Status words padded to one width, so that the paths line up.
constexpr const char* kCreated = "created     ";
constexpr const char* kOverwritten = "overwritten ";
constexpr const char* kFailed = "failed      ";

}  // namespace

int RunNewCommand(const NewOptions& options, FileSystem& fs, int codePage, std::ostream& out,
                  std::ostream& err) {
  if (auto problem = ProjectNameProblem(options.name)) {
    err << "vantrel: " << *problem << "\n";
    return kExitUsage;
  }
  ProjectSettings settings;
  settings.Name = options.name;
  settings.Location = options.location.value_or(fs.CurrentDirectory());
  settings.ViewBaseClass = options.viewBase;
  settings.Kind = options.singleDocument ? FrameKind::Single : FrameKind::Multiple;
  settings.DeriveClassNames();
  if (settings.Location.empty() || !fs.DirectoryExists(settings.Location)) {
    err << "vantrel: the location " << fs.DisplayPath(settings.Location)
        << " is not an existing directory; nothing was written\n";
    return kExitRefused;
  }

  settings.ComputeSeparator(codePage);
  std::vector<std::string> existing;
  for (const auto& path : PlannedPaths(settings))
    if (fs.FileExists(path)) existing.push_back(path);
  if (!existing.empty() && !options.force && !options.dryRun) {
    err << "vantrel: these files exist already; use --force to overwrite them. Nothing was written.\n";
    for (const auto& path : existing) err << "  " << fs.DisplayPath(path) << "\n";
    return kExitRefused;
  }

  for (const auto& line : SummaryLines(settings.Name, InterfaceText(settings.Kind), settings.ViewBaseClass))
    out << line << "\n";
  out << "\n";

  if (options.dryRun) {
    for (const auto& path : PlannedPaths(settings))
      out << (fs.FileExists(path) ? kOverwritten : kCreated) << fs.DisplayPath(path) << "\n";
    out << "(dry run: nothing was written)\n";
    return kExitOk;
  }

  PrintingOpener opener(fs);
  RunReport report = GenerationRun(settings, fs, &opener, codePage);
  for (const auto& file : report.files) {
    const char* word = file.status == FileOutcome::Status::Created       ? kCreated
                       : file.status == FileOutcome::Status::Overwritten ? kOverwritten
                                                                         : kFailed;
    out << word << fs.DisplayPath(file.path) << "\n";
  }
  for (const auto& line : opener.lines()) out << line << "\n";
  if (report.Succeeded()) return kExitOk;
  for (const auto& file : report.files)
    if (file.status == FileOutcome::Status::Failed)
      err << "vantrel: " << FileError::MessageFor(file.failure, fs.DisplayPath(file.path)) << "\n";
  err << "vantrel: the project was not opened, because not every file was written\n";
  return kExitWriteFailed;
}

}  // namespace vantrel::cli
