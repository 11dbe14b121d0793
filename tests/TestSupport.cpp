#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include "generator/CodePage.h"
#include "generator/GeneratedFile.h"
#include "generator/OutputWriter.h"
#include "generator/TemplateWriter.h"

namespace vantrel::test {

std::string Render(const std::string& file, const ProjectSettings& settings) {
  for (const auto& generated : GeneratedFiles()) {
    if (generated.relativeName != file || generated.text == nullptr) continue;
    OutputWriter out;
    WriteTemplate(*generated.text, SpliceValues(settings), out);
    return out.Buffer();
  }
  ADD_FAILURE() << "the run writes no text file " << file;
  return {};
}

void Generate(Generated& out, ProjectSettings settings) {
  out.fs.AddDirectory(settings.Location);
  out.report = GenerationRun(settings, out.fs, &out.opener, codepage::kWestern);
}

std::string Generated::Text(const std::string& relative) const {
  const auto* entry = fs.Find("C:\\Work\\" + relative);
  if (entry == nullptr) {
    ADD_FAILURE() << "not generated: " << relative;
    return {};
  }
  return entry->content;
}

}  // namespace vantrel::test
