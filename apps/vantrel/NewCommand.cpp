#include "apps/vantrel/NewCommand.h"

#include <algorithm>
#include <string>

#include "apps/vantrel/PrintingOpener.h"
#include "generator/CodePage.h"
#include "generator/GeneratedFile.h"
#include "generator/NameCheck.h"
#include "generator/Summary.h"
#include "platform/fs/FileError.h"

namespace vantrel::cli {
namespace {

// Status words padded to one width, so that the paths line up.
constexpr const char* kCreated = "created     ";
constexpr const char* kOverwritten = "overwritten ";
constexpr const char* kFailed = "failed      ";

const char* WordFor(FileOutcome::Status status) {
  switch (status) {
    case FileOutcome::Status::Created: return kCreated;
    case FileOutcome::Status::Overwritten: return kOverwritten;
    case FileOutcome::Status::Failed: return kFailed;
  }
  return kFailed;
}

int Refuse(const std::vector<FileError>& refusals, std::ostream& err) {
  for (const auto& refusal : refusals) err << "vantrel: " << refusal.what() << "\n";
  if (std::any_of(refusals.begin(), refusals.end(),
                  [](const FileError& e) { return e.kind() == FileError::Kind::Exists; }))
    err << "vantrel: use --force to replace the files that exist already\n";
  err << "vantrel: nothing was written\n";
  return kExitRefused;
}

}  // namespace

int RunNewCommand(const NewOptions& options, FileSystem& fs, int (*ansiCodePage)(), std::ostream& out,
                  std::ostream& err, Interruption* interruption) {
  if (auto problem = ProjectNameProblem(options.name)) {
    err << "vantrel: " << *problem << "\n";
    return kExitUsage;
  }
  ProjectSettings settings;
  settings.Name = options.name;
  if (options.listFiles) {
    for (const auto& file : GeneratedFiles()) out << fs.ProjectPath("", "", RelativePath(file, settings)) << "\n";
    return kExitOk;
  }
  settings.Location = options.location.value_or(fs.CurrentDirectory());
  settings.ViewBaseClass = options.viewBase;
  settings.Kind = options.singleDocument ? FrameKind::Single : FrameKind::Multiple;
  settings.DeriveClassNames();

  // Any code page gives the same separator unless the last byte is a
  // backslash, which no code page uses as the first byte of a character.
  const int codePage = settings.Location.ends_with('\\') ? ansiCodePage() : codepage::kWestern;
  // The lock is held from the checks to the last file, so that no other run
  // can write into the location in between.
  LockedRun run(settings, fs, codePage, options.force ? ExistingFile::Replace : ExistingFile::Keep);
  if (!run.Refusals().empty()) return Refuse(run.Refusals(), err);

  for (const auto& line : SummaryLines(settings.Name, InterfaceText(settings.Kind), settings.ViewBaseClass))
    out << line << "\n";
  out << "\n";

  if (options.dryRun) {
    for (const auto& path : PlannedPaths(settings, fs))
      out << (fs.FileExists(path) ? kOverwritten : kCreated) << EscapeControls(path) << "\n";
    out << "(dry run: nothing was written)\n";
    return kExitOk;
  }

  PrintingOpener opener;
  RunReport report = run.Write(&opener, interruption);
  for (const auto& file : report.files) out << WordFor(file.status) << EscapeControls(file.path) << "\n";
  for (const auto& line : opener.lines()) out << line << "\n";
  for (const auto& error : report.Errors()) err << "vantrel: " << error << "\n";
  if (report.stopped) {
    err << "vantrel: interrupted by signal " << interruption->Caught() << " (" << SignalName(interruption->Caught())
        << "); only the files listed above were written, and the project was not opened\n";
    return 128 + interruption->Caught();
  }
  if (report.Succeeded()) return kExitOk;
  err << "vantrel: the project was not opened, because not every file was written\n";
  return kExitWriteFailed;
}

}  // namespace vantrel::cli
