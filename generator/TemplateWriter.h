#pragma once

#include <string_view>

#include "generator/OutputWriter.h"
#include "generator/ProjectSettings.h"
#include "generator/Template.h"

namespace vantrel {

// Appends every line of a template to the writer, with the project's name,
// upper-cased name and view base class spliced in.
void WriteTemplate(const Template& tpl, const ProjectSettings& settings, OutputWriter& out);

// The same for one of the embedded templates, by name.
void WriteTemplate(std::string_view name, const ProjectSettings& settings, OutputWriter& out);

}  // namespace vantrel
