#include "apps/vantrel-host/HostOptions.h"

namespace vantrel::hostapp {

std::optional<HostOptions> ParseHostOptions(const std::vector<std::string>& args, std::string& error) {
  HostOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--list") {
      options.list = true;
    } else if (arg == "--gallery") {
      options.gallery = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--expert") {
      if (i + 1 == args.size()) {
        error = "--expert needs the path of an expert library";
        return std::nullopt;
      }
      options.experts.push_back(args[++i]);
    } else {
      error = "unknown argument '" + arg + "'";
      return std::nullopt;
    }
  }
  return options;
}

std::optional<HostOptions> ReadHostCommandLine(int argc, char** argv, int& status) {
  std::string error;
  auto options = ParseHostOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  status = kExitOk;
  if (!options) {
    Print(stderr, "vantrel-host: " + error + "; try vantrel-host --help\n");
    status = kExitUsage;
    return std::nullopt;
  }
  if (options->help || options->version) {
    Print(stdout, options->help ? HostHelpText() : HostVersionText());
    return std::nullopt;
  }
  return options;
}

void Print(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fflush(stream);
}

std::string HostVersionText() { return "vantrel " VANTREL_VERSION "\n"; }

std::string HostHelpText() {
  return "Usage: vantrel-host [--gallery] [--list] [--expert LIBRARY]...\n"
         "       vantrel-host --version\n"
         "\n"
         "A stand-in for the IDE: loads expert libraries, lists their experts on the\n"
         "\"New\" page of its gallery (File, New...) and runs the one picked. When an\n"
         "expert asks it to close the current project and open a file, it shows the\n"
         "opened project and prints each request on its standard output.\n"
         "\n"
         "  --gallery         open the gallery at start, with the wizard ready to pick\n"
         "  --list            print the gallery (page | name | comment | identifier |\n"
         "                    style) and exit; needs no display\n"
         "  --expert LIBRARY  load this expert library (repeatable); by default the\n"
         "                    wizard's library next to the program or in ../lib/vantrel\n"
         "\n"
         "Exit status: 0 done, 1 no expert could be loaded, 2 bad arguments,\n"
         "3 no display to open windows on.\n";
}

}  // namespace vantrel::hostapp
