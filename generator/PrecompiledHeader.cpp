#include "generator/TemplateNames.h"
#include "generator/TemplateWriter.h"
#include "generator/Writers.h"

namespace vantrel {
// "stdafx.cpp": the source that builds the precompiled header.
void WriteStdafxCpp(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::stdafx_cpp, settings, out);
}

// "stdafx.h": the class library headers, plus the view base class's own.
void WriteStdafxH(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::stdafx_h, settings, out);
}

}  // namespace vantrel
