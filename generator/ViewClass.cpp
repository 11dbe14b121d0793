#include "generator/TemplateNames.h"
#include "generator/TemplateWriter.h"
#include "generator/Writers.h"

namespace vantrel {

// "{Name}View.cpp": the view class implementation. The view base class is
// spliced into the dynamic-creation macro, the message map and its two print
// entries, and the two diagnostics; the value is written as it is held.
void WriteViewSource(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::NameView_cpp, settings, out);
}

// "{Name}View.h": the view class declaration, whose base is the view base
// class.
void WriteViewHeader(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::NameView_h, settings, out);
}

}  // namespace vantrel
