#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantrel::hostapp {

struct HostOptions {
  bool list = false;
  bool help = false;
  bool gallery = false;  // Open the gallery at once, with the wizard ready to pick.
  std::vector<std::string> experts;  // Libraries named on the command line.
};

// Parses the arguments after the program name; nothing, with error set,
// for an unknown option or a missing value.
std::optional<HostOptions> ParseHostOptions(const std::vector<std::string>& args, std::string& error);

std::string HostHelpText();

}  // namespace vantrel::hostapp
