#include "apps/vantrel/NewOptions.h"

#include <string_view>

#include "generator/ProjectSettings.h"
#include "generator/ViewBases.h"

namespace vantrel::cli {

namespace {

// "A, B or C", with " (default)" after the class a project gets unasked.
std::string OfferedList(bool markDefault) {
  const std::vector<std::string> names = OfferedViewBaseNames();
  const std::string defaultBase = ProjectSettings{}.ViewBaseClass;
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += i + 1 == names.size() ? " or " : ", ";
    list += names[i];
    if (markDefault && names[i] == defaultBase) list += " (default)";
  }
  return list;
}

// Breaks text that starts in column indent into lines of at most width
// characters at its blanks, each further line indented as far.
std::string Wrapped(const std::string& text, std::size_t indent, std::size_t width) {
  std::string out;
  std::size_t column = indent;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (!out.empty()) {
      if (column + 1 + word.size() > width) {
        out += "\n" + std::string(indent, ' ');
        column = indent;
      } else {
        out += ' ';
        ++column;
      }
    }
    out += word;
    column += word.size();
    start = end + 1;
  }
  return out;
}

}  // namespace

std::optional<NewOptions> ParseNewOptions(const std::vector<std::string>& args, std::string& error) {
  NewOptions options;
  bool haveName = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // "--option value" and "--option=value" are both accepted.
    auto value = [&](const std::string& option) -> std::optional<std::string> {
      if (arg.rfind(option + "=", 0) == 0) return arg.substr(option.size() + 1);
      if (arg != option) return std::nullopt;
      if (i + 1 >= args.size()) {
        error = option + " needs a value";
        return std::nullopt;
      }
      return args[++i];
    };
    if (auto location = value("--location")) {
      options.location = *location;
    } else if (auto base = value("--view-base")) {
      if (const ViewBase* known = FindViewBase(*base); known == nullptr || !known->offered) {
        error = "unknown view base class '" + *base + "' (choose " + OfferedList(false) + ")";
        return std::nullopt;
      }
      options.viewBase = *base;
    } else if (!error.empty()) {
      return std::nullopt;
    } else if (arg == "--single-document") {
      options.singleDocument = true;
    } else if (arg == "--force") {
      options.force = true;
    } else if (arg == "--dry-run") {
      options.dryRun = true;
    } else if (arg == "--list-files") {
      options.listFiles = true;
    } else if (arg.rfind("--", 0) == 0 || (arg.size() > 1 && arg[0] == '-')) {
      error = "unknown option " + arg;
      return std::nullopt;
    } else if (haveName) {
      error = "only one project name may be given (found '" + options.name + "' and '" + arg + "')";
      return std::nullopt;
    } else {
      options.name = arg;
      haveName = true;
    }
  }
  if (!haveName) {
    error = "no project name given";
    return std::nullopt;
  }
  return options;
}

std::string VersionText() { return "vantrel " VANTREL_VERSION "\n"; }

std::string HelpText() {
  constexpr std::string_view kOption = "  --view-base CLASS  ";
  const std::string viewBases =
      Wrapped("the view's base class: " + OfferedList(true), kOption.size(), 78);
  return R"(Usage: vantrel new NAME [--location DIR] [--view-base CLASS] [--single-document]
                        [--force] [--dry-run] [--list-files]
       vantrel --view-bases
       vantrel --version

Writes the skeleton of a multiple-document MFC application for C++Builder 3:
the project makefile NAME.bpr, the application, document, view and main frame
classes, the resource script with its header, the compatibility tool bar and
status bar classes, the precompiled-header sources and, under "res", the
resource extension script, the tool bar bitmap and the two icons.

  NAME               the project name: letters A to Z and a to z, digits and
                     underscores; not a Windows device name (CON, NUL, COM1...)
  --location DIR     the project directory (default: the current directory);
                     it must exist already
)" + std::string(kOption) + viewBases + R"(
  --single-document  show the single-document interface in the summary (the
                     generated files are the same either way)
  --force            replace files that exist already (never read-only ones);
                     a replaced file keeps its owner, group, permissions,
                     access control list and extended attributes
  --dry-run          list what would be created or overwritten; write nothing
  --list-files       print only the name of each file below the location, in
                     the order they are written; look at nothing, write nothing

"vantrel --view-bases" prints the view base classes, one a line, and
"vantrel --version" the version.

The summary is printed first, then one line per file. Last come the two
requests the wizard makes of the IDE: close the current project and open the
new makefile; they are only made when every file was written.

Exit status:
  0   every file was written
  64  bad usage or a refused project name (also a name too long for the
      location); nothing was written
  70  an internal error (such as running out of memory) before writing;
      nothing was written
  73  refused before writing, with the reason: the location is missing or
      not writable, another run is writing into it, "res" is not a
      directory or is a link, a file's path is taken by a directory, a pipe,
      a device or a read-only file, a path is too long, or files exist (use
      --force); nothing was written
  74  a file could not be written (it is named on standard error with the
      reason) and nothing was changed, or this report could not be written
      to standard output
  128+N  interrupted by signal N: nothing was changed, and no temporary
      file is left

A run that is killed outright may leave a hidden temporary file
(.vantrel-*); the next run into the location removes it and says so. Killed
while it puts files in place, it leaves its journal (.vantrel-journal): the
next run takes the killed run back first, and says so; --dry-run only says
that one is pending.
)";
}

}  // namespace vantrel::cli
