// vantrel: writes a new project from the command line, as the wizard does.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#include "apps/vantrel/Interruption.h"
#include "apps/vantrel/NewCommand.h"
#include "apps/vantrel/NewOptions.h"
#include "apps/vantrel/TextOutput.h"
#include "generator/CodePage.h"
#include "generator/ViewBases.h"
#include "platform/fs/SystemFileSystem.h"

namespace {

// Writes text to standard output; 0, or the error that stopped it.
int WriteStandardOutput(const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(STDOUT_FILENO, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

// Prints what the command wrote for standard output. A report that cannot
// be printed is a failure of its own (74), however the run went.
int Print(const std::string& text, int status) {
  const int error = WriteStandardOutput(text);
  if (error == 0) return status;
  vantrel::cli::TextOutput(stderr) << "vantrel: cannot write the report to standard output: "
                                   << std::error_code(error, std::generic_category()).message() << "\n";
  return status == vantrel::cli::kExitOk ? vantrel::cli::kExitWriteFailed : status;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vantrel::cli;
  TextOutput errors(stderr);
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    if (args.empty()) {
      errors << HelpText();
      return kExitUsage;
    }
    return Print(HelpText(), kExitOk);
  }
  if (args[0] == "--version") return Print(VersionText(), kExitOk);
  if (args[0] == "--view-bases") {
    TextOutput out(stdout);
    for (const auto& base : vantrel::OfferedViewBaseNames()) out << base << "\n";
    return kExitOk;
  }
  if (args[0] != "new") {
    errors << "vantrel: unknown command '" << vantrel::EscapeControls(args[0]) << "'; try vantrel --help\n";
    return kExitUsage;
  }
  args.erase(args.begin());
  for (const auto& arg : args)
    if (arg == "--help" || arg == "-h") return Print(HelpText(), kExitOk);
  std::string error;
  auto options = ParseNewOptions(args, error);
  if (!options) {
    errors << "vantrel: " << vantrel::EscapeControls(error) << "; try vantrel --help\n";
    return kExitUsage;
  }
  Interruption interruption;
  interruption.Install();
  vantrel::SystemFileSystem fs;
  std::string report;
  TextOutput out(report);
  const int status = RunNewCommand(*options, fs, vantrel::AnsiCodePage, out, errors, &interruption);
  try {
    return Print(report, status);
  } catch (const std::bad_alloc&) {
    errors << "vantrel: cannot write the report to standard output: "
           << std::make_error_code(std::errc::not_enough_memory).message() << "\n";
    return status == kExitOk ? kExitWriteFailed : status;
  }
}
