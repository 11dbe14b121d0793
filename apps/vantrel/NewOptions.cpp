#include "apps/vantrel/NewOptions.h"

#include <algorithm>

namespace vantrel::cli {

const std::vector<std::string>& OfferedViewBases() {
  static const std::vector<std::string> bases = {"CView",          "CEditView",   "CListView",
                                                 "CRichEditView", "CScrollView", "CTreeView"};
  return bases;
}

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
      if (std::find(OfferedViewBases().begin(), OfferedViewBases().end(), *base) ==
          OfferedViewBases().end()) {
        error = "unknown view base class '" + *base +
                "' (choose CView, CEditView, CListView, CRichEditView, CScrollView or CTreeView)";
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

std::string HelpText() {
  return R"(Usage: vantrel new NAME [--location DIR] [--view-base CLASS] [--single-document]
                        [--force] [--dry-run]

Writes the skeleton of a multiple-document MFC application for C++Builder 3:
the project makefile NAME.bpr, the application, document, view and main frame
classes, the resource script with its header, the compatibility tool bar and
status bar classes, the precompiled-header sources and, under "res", the
resource extension script, the tool bar bitmap and the two icons.

  NAME               the project name: letters A to Z and a to z, digits and
                     underscores; not a Windows device name (CON, NUL, COM1...)
  --location DIR     the project directory (default: the current directory);
                     it must exist already
  --view-base CLASS  the view's base class: CView (default), CEditView,
                     CListView, CRichEditView, CScrollView or CTreeView
  --single-document  show the single-document interface in the summary (the
                     generated files are the same either way)
  --force            overwrite files that exist already
  --dry-run          list what would be created or overwritten; write nothing

The summary is printed first, then one line per file. Last come the two
requests the wizard makes of the IDE: close the current project and open the
new makefile; they are only made when every file was written.

Exit status:
  0   every file was written
  64  bad usage or a refused project name; nothing was written
  73  refused before writing: files exist (use --force) or the location is
      not an existing directory; nothing was written
  74  some files could not be written; each is named on standard error, and
      the others were written
)";
}

}  // namespace vantrel::cli
