// vantrel: writes a new project from the command line, as the wizard does.

#include <iostream>
#include <string>
#include <vector>

#include "apps/vantrel/NewCommand.h"
#include "apps/vantrel/NewOptions.h"
#include "generator/CodePage.h"
#include "platform/fs/PosixFileSystem.h"

int main(int argc, char** argv) {
  using namespace vantrel::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    (args.empty() ? std::cerr : std::cout) << HelpText();
    return args.empty() ? kExitUsage : kExitOk;
  }
  if (args[0] != "new") {
    std::cerr << "vantrel: unknown command '" << args[0] << "'; try vantrel --help\n";
    return kExitUsage;
  }
  args.erase(args.begin());
  for (const auto& arg : args)
    if (arg == "--help" || arg == "-h") {
      std::cout << HelpText();
      return kExitOk;
    }
  std::string error;
  auto options = ParseNewOptions(args, error);
  if (!options) {
    std::cerr << "vantrel: " << error << "; try vantrel --help\n";
    return kExitUsage;
  }
  vantrel::PosixFileSystem fs;
  return RunNewCommand(*options, fs, vantrel::AnsiCodePage(), std::cout, std::cerr);
}
