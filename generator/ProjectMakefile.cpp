#include "generator/TemplateNames.h"
#include "generator/TemplateWriter.h"
#include "generator/Writers.h"

namespace vantrel {

// "{Name}.bpr": the project makefile the host opens at the end of the run.
void WriteProjectMakefile(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::Name_bpr, settings, out);
}

}  // namespace vantrel
