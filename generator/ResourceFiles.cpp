#include "generator/TemplateNames.h"
#include "generator/TemplateWriter.h"
#include "generator/Writers.h"

namespace vantrel {

// "{Name}.rc": the resource script. Every line is fixed apart from the
// project name; the padding of menus, string rows and version values is
// part of the template, so a long name never shifts a column.
void WriteResourceScript(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::Name_rc, settings, out);
}

// "res\{Name}.rc2": the script of resources edited by hand. The run makes
// the "res" directory before this file is created.
void WriteResourceExtension(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::res_Name_rc2, settings, out);
}

// "resource.h": the resource identifiers shared by the script and sources.
void WriteResourceHeader(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::resource_h, settings, out);
}

}  // namespace vantrel
