#include "apps/vantrel/NewCommand.h"

#include <algorithm>
#include <new>
#include <system_error>
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

// The words for an error the run did not expect, running out of memory
// included.
std::string Described(const std::exception& error) {
  if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr)
    return std::make_error_code(std::errc::not_enough_memory).message();
  return error.what();
}

int Refuse(const std::vector<FileError>& refusals, TextOutput& err) {
  for (const auto& refusal : refusals) err << "vantrel: " << refusal.what() << "\n";
  if (std::any_of(refusals.begin(), refusals.end(),
                  [](const FileError& e) { return e.kind() == FileError::Kind::Exists; }))
    err << "vantrel: use --force to replace the files that exist already\n";
  err << "vantrel: nothing was written\n";
  return kExitRefused;
}

int RunNew(const NewOptions& options, FileSystem& fs, int (*ansiCodePage)(), TextOutput& out,
           TextOutput& err, Interruption* interruption, bool& writing);

}  // namespace

int RunNewCommand(const NewOptions& options, FileSystem& fs, int (*ansiCodePage)(), TextOutput& out,
                  TextOutput& err, Interruption* interruption) {
  bool writing = false;
  try {
    return RunNew(options, fs, ansiCodePage, out, err, interruption, writing);
  } catch (const std::exception& error) {
    // Errors of single files are the run's to report; this is any other,
    // before the files or after them.
    err << "vantrel: internal error: " << Described(error) << "\n";
    if (!writing) return kExitInternal;
    err << "vantrel: the project was not opened, and the files changed may not all be listed\n";
    return kExitWriteFailed;
  }
}

namespace {

int RunNew(const NewOptions& options, FileSystem& fs, int (*ansiCodePage)(), TextOutput& out,
           TextOutput& err, Interruption* interruption, bool& writing) {
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
  // A name whose paths can never fit the system is the name's fault, like a
  // name of a forbidden character.
  settings.ComputeSeparator(codePage);
  if (auto problem = NameFitProblem(settings, fs)) {
    err << "vantrel: " << *problem << "\n";
    return kExitUsage;
  }
  // The lock is held from the checks to the last file, so that no other run
  // can write into the location in between.
  LockedRun run(settings, fs, codePage, options.force ? ExistingFile::Replace : ExistingFile::Keep, !options.dryRun);
  for (const auto& line : run.RolledBack()) err << "vantrel: " << EscapeControls(line) << "\n";
  if (run.PendingRollBack())
    err << "vantrel: an interrupted run left its journal " << EscapeControls(*run.PendingRollBack())
        << "; a run that is not a dry run takes it back first\n";
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
  writing = true;
  RunReport report = run.Write(&opener, interruption);
  for (const auto& path : report.leftoversRemoved)
    err << "vantrel: removed " << EscapeControls(path) << ", a temporary file an interrupted run had left\n";
  for (const auto& file : report.files) out << WordFor(file.status) << EscapeControls(file.path) << "\n";
  for (const auto& line : opener.lines()) out << line << "\n";
  for (const auto& error : report.Errors()) err << "vantrel: " << error << "\n";
  if (report.Succeeded()) return kExitOk;
  for (const auto& path : report.notRestored)
    err << "vantrel: " << EscapeControls(path) << " could not be put back as it was\n";
  const std::string outcome = report.Unchanged() ? "nothing was changed" : "the files named above were changed";
  if (report.stopped) {
    err << "vantrel: interrupted by signal " << interruption->Caught() << " (" << SignalName(interruption->Caught())
        << "); " << outcome << ", and the project was not opened\n";
    return 128 + interruption->Caught();
  }
  err << "vantrel: " << outcome << ", and the project was not opened, because not every file could be written\n";
  return kExitWriteFailed;
}

}  // namespace

}  // namespace vantrel::cli
