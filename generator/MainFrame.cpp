#include "generator/TemplateNames.h"
#include "generator/TemplateWriter.h"
#include "generator/Writers.h"

namespace vantrel {

// "MainFrm.cpp": the multiple-document main frame with its tool bar and status
// bar. The project name appears only in the application header's include.
void WriteMainFrameSource(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::MainFrm_cpp, settings, out);
}

// "MainFrm.h": the main frame declaration, the same for every project.
void WriteMainFrameHeader(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::MainFrm_h, settings, out);
}

}  // namespace vantrel
