#include "tests/OutlineTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "generator/EmbeddedTemplates.h"
#include "generator/GeneratedFile.h"
#include "generator/TemplateWriter.h"
#include "tests/TestSupport.h"

namespace vantrel::test {
namespace {

// Splits a row at its tabs and undoes the two escapes of each field.
bool ParseRow(const std::string& row, std::vector<std::string>& fields) {
  fields.assign(1, "");
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (row[i] == '\t') {
      fields.emplace_back();
    } else if (row[i] != '\\') {
      fields.back() += row[i];
    } else if (i + 1 < row.size() && (row[i + 1] == 't' || row[i + 1] == '\\')) {
      fields.back() += row[++i] == 't' ? '\t' : '\\';
    } else {
      return false;
    }
  }
  return fields.size() == 5;
}

bool MatchesAt(const std::vector<std::string>& lines, std::size_t at, const OutlineEntry& entry,
               const std::string& text) {
  const std::string& line = lines[at];
  if (entry.kind == "is") return line == text;
  if (entry.kind == "has") return line.find(text) != std::string::npos;
  if (entry.kind == "line") {
    const auto start = line.find_first_not_of(" \t");
    return line.substr(start == std::string::npos ? line.size() : start) == text;
  }
  if (entry.kind == "head") return at + 1 < lines.size() && line == std::string(77, '/') && lines[at + 1] == text;
  static const std::vector<std::string> notice = [] {
    MemoryFileSystem fs;
    OutputWriter out(fs);
    WriteTemplate(templates::common_notice, SpliceValues(Settings("Demo")), out);
    return SplitLines(out.Buffer());
  }();
  return notice.size() == 9 && at + notice.size() <= lines.size() &&
         std::equal(notice.begin(), notice.end(), lines.begin() + at);
}

}  // namespace

std::vector<OutlineEntry> LoadOutline(const std::string& name) {
  std::ifstream in(std::string(VANTREL_SOURCE_DIR) + "/tests/data/" + name, std::ios::binary);
  EXPECT_TRUE(in) << "cannot read tests/data/" << name;
  std::vector<OutlineEntry> outline;
  std::vector<std::string> fields;
  std::string row;
  for (int n = 1; std::getline(in, row); ++n) {
    const std::string where = name + ":" + std::to_string(n);
    if (row.empty() || row[0] == '#') continue;
    if (!ParseRow(row, fields) || fields[1].find_first_not_of("0123456789") != std::string::npos ||
        fields[2].find_first_not_of("0123456789") != std::string::npos ||
        std::set<std::string>{"is", "line", "has", "head", "notice"}.count(fields[3]) == 0) {
      ADD_FAILURE() << where << ": malformed row: " << row;
      continue;
    }
    outline.push_back({where, fields[0], std::stoi(fields[1]), std::stoi(fields[2]), fields[3], fields[4]});
  }
  EXPECT_FALSE(outline.empty()) << name;
  return outline;
}

std::string Expand(std::string text, const ProjectSettings& settings) {
  const std::pair<std::string, std::string> splices[] = {
      {"{Name}", settings.Name}, {"{NAME}", settings.UpperName()}, {"{Base}", settings.ViewBaseClass}};
  for (const auto& [from, to] : splices)
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
  return text;
}

std::string Render(const std::string& file, const ProjectSettings& settings) {
  for (const auto& generated : GeneratedFiles()) {
    if (generated.relativeName != file || generated.text == nullptr) continue;
    MemoryFileSystem fs;
    OutputWriter out(fs);
    WriteTemplate(*generated.text, SpliceValues(settings), out);
    return out.Buffer();
  }
  ADD_FAILURE() << "the run writes no text file " << file;
  return {};
}

std::vector<std::string> RenderLines(const std::string& file, const ProjectSettings& settings) {
  return SplitLines(Render(file, settings));
}

void ExpectOutline(const std::vector<OutlineEntry>& outline, const ProjectSettings& settings) {
  std::map<std::string, std::vector<std::string>> rendered;
  std::map<std::string, std::size_t> from;  // Where each file's previous entry was found.
  for (const auto& entry : outline) {
    if (!rendered.count(entry.file)) rendered[entry.file] = RenderLines(entry.file, settings);
    const auto& lines = rendered[entry.file];
    const std::string text = Expand(entry.text, settings);
    std::size_t at = std::max<std::size_t>(entry.first - 1, from[entry.file]);
    while (at < static_cast<std::size_t>(entry.last) && at < lines.size() && !MatchesAt(lines, at, entry, text))
      ++at;
    if (at >= static_cast<std::size_t>(entry.last) || at >= lines.size()) {
      ADD_FAILURE() << entry.where << ": " << entry.kind << " \"" << text << "\" not in " << entry.file << " lines "
                    << entry.first << "-" << entry.last << " from line " << from[entry.file] + 1 << " on ("
                    << settings.Name << ", " << settings.ViewBaseClass << ")";
      continue;
    }
    from[entry.file] = at;
  }
}

void ExpectLineRules(const std::string& file, const std::vector<std::string>& lines, Indent indent,
                     const std::set<int>& exceptions) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const std::string where = file + ":" + std::to_string(i + 1) + ": " + line;
    for (unsigned char c : line)
      EXPECT_TRUE((c >= 0x20 && c != 0x7f) || (c == '\t' && indent == Indent::Tabs)) << where;
    if (line.empty()) continue;
    EXPECT_TRUE(line.back() != ' ' && line.back() != '\t') << where;
    const auto text = line.find_first_not_of(indent == Indent::Blanks ? " " : "\t");
    if (indent == Indent::Blanks) {
      EXPECT_EQ(text % 8, 0u) << where;
    } else if (!exceptions.count(static_cast<int>(i + 1))) {
      EXPECT_NE(line[text], ' ') << where;
    }
  }
}

}  // namespace vantrel::test
