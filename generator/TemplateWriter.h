#pragma once

#include <string>
#include <string_view>

#include "generator/OutputWriter.h"
#include "generator/ProjectSettings.h"
#include "generator/TemplateText.h"

namespace vantrel {

// The values a template's splices take for one project, worked out once.
struct SpliceValues {
  explicit SpliceValues(const ProjectSettings& settings);

  std::string_view name;
  std::string upperName;
  std::string_view base;
  std::string baseInclude;  // With its line end, or empty.
};

// Appends a template's text to the writer, its splices filled in.
void WriteTemplate(TemplateText text, const SpliceValues& values, OutputWriter& out);

}  // namespace vantrel
