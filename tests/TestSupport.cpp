#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include "generator/CodePage.h"
#include "generator/GeneratedFile.h"
#include "generator/OutputWriter.h"
#include "generator/TemplateWriter.h"

namespace vantrel::test {

std::vector<std::string> SplitLines(const std::string& content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "the text does not end in CR LF: " << content.substr(start, 80);
      lines.push_back(content.substr(start));
      break;
    }
    lines.push_back(content.substr(start, end - start));
    start = end + 2;
  }
  for (const auto& line : lines)
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "a lone CR or LF in: " << line;
  return lines;
}

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

std::vector<std::string> Generated::Lines(const std::string& relative) const {
  return SplitLines(Text(relative));
}

}  // namespace vantrel::test
