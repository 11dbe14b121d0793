#include "generator/TemplateNames.h"
#include "generator/TemplateWriter.h"
#include "generator/Writers.h"

namespace vantrel {

// "{Name}.cpp": the host's project unit and the application class.
void WriteProjectUnit(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::Name_cpp, settings, out);
}

// "{Name}.h": the application class declaration.
void WriteApplicationHeader(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::Name_h, settings, out);
}

}  // namespace vantrel
