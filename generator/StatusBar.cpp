#include "generator/TemplateNames.h"
#include "generator/TemplateWriter.h"
#include "generator/Writers.h"

namespace vantrel {

// "statbar.cpp": the application's own backward-compatible status bar. The
// text is the same for every project; the settings only choose the folder.
void WriteStatusBarSource(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::statbar_cpp, settings, out);
}

// "statbar.h": the status bar class, ending with the macro that makes
// CStatusBar name it.
void WriteStatusBarHeader(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::statbar_h, settings, out);
}

}  // namespace vantrel
