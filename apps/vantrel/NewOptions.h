#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantrel::cli {

// The exit statuses of the command-line program.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 64;     // Bad usage or a refused name; nothing written.
inline constexpr int kExitInternal = 70;  // An unexpected error (out of memory) before writing.
inline constexpr int kExitRefused = 73;   // Refused before writing; nothing written.
inline constexpr int kExitWriteFailed = 74;  // A file could not be written; nothing was changed.

// What "vantrel new" was asked to do.
struct NewOptions {
  std::string name;
  std::optional<std::string> location;  // The current directory when absent.
  std::string viewBase = "CView";
  bool singleDocument = false;
  bool force = false;
  bool dryRun = false;
  bool listFiles = false;
};

// Parses the arguments after "new". On a usage error returns nothing and
// sets error to a one-line explanation.
std::optional<NewOptions> ParseNewOptions(const std::vector<std::string>& args, std::string& error);

// The text of "vantrel --help".
std::string HelpText();

// The text of "vantrel --version": the product's name and version.
std::string VersionText();

}  // namespace vantrel::cli
