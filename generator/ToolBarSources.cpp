#include "generator/TemplateNames.h"
#include "generator/TemplateWriter.h"
#include "generator/Writers.h"

namespace vantrel {

// The application's own backward-compatible tool bar and the shared drawing
// data it and the status bar use. The four texts are the same for every
// project; the settings only choose the folder they are written to.

// "Globals.cpp": the cached system metrics, colours, brushes and pens.
void WriteGlobalsSource(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::Globals_cpp, settings, out);
}

// "Globals.h": the GLOBAL_DATA structure and a few helper declarations.
void WriteGlobalsHeader(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::Globals_h, settings, out);
}

// "toolbar.cpp": the tool bar class, written under its usual name CToolBar.
void WriteToolBarSource(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::toolbar_cpp, settings, out);
}

// "toolbar.h": the tool bar class, ending with the macro that makes CToolBar
// name it.
void WriteToolBarHeader(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::toolbar_h, settings, out);
}

}  // namespace vantrel
