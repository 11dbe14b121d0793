#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::hostapp {

// The host's exit statuses.
enum HostExit : int { kExitOk = 0, kExitNoExpert = 1, kExitUsage = 2, kExitNoDisplay = 3 };

struct HostOptions {
  bool list = false;
  bool help = false;
  bool version = false;
  bool gallery = false;  // Open the gallery at once, with the wizard ready to pick.
  std::vector<std::string> experts;  // Libraries named on the command line.
};

// Parses the arguments after the program name; nothing, with error set,
// for an unknown option or a missing value.
std::optional<HostOptions> ParseHostOptions(const std::vector<std::string>& args, std::string& error);

std::string HostHelpText();

// The text of "vantrel-host --version": the product's name and version.
std::string HostVersionText();

// Reads the program's command line and answers what needs no expert: bad
// usage on standard error, --help and --version on standard output.
// Returns the options to go on with, or nothing with status set to the exit
// status.
std::optional<HostOptions> ReadHostCommandLine(int argc, char** argv, int& status);

// Writes text to a standard stream (stdout, stderr) and flushes it, so that
// each line of the host's record shows at once. Plain C output keeps the
// C++ streams, some 1 MB in a static Windows program, out of the host.
void Print(std::FILE* stream, const std::string& text);

}  // namespace vantrel::hostapp
