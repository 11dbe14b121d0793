#include "generator/TemplateNames.h"
#include "generator/TemplateWriter.h"
#include "generator/Writers.h"

namespace vantrel {

// "{Name}Doc.cpp": the document class implementation. Only the project name
// varies; the view base class and the frame kind never reach this file.
void WriteDocumentSource(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::NameDoc_cpp, settings, out);
}

// "{Name}Doc.h": the document class declaration.
void WriteDocumentHeader(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::NameDoc_h, settings, out);
}

}  // namespace vantrel
