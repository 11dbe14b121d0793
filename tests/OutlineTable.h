#pragma once

#include <set>
#include <string>
#include <vector>

#include "generator/ProjectSettings.h"

// Expected outlines of generated files, kept as data under tests/data/.
//
// A data file holds one entry a line, five fields separated by a tab: the
// file's name as the run's table writes it ("{Name}Doc.cpp"), the first and
// the last line of the range (counted from 1), the kind of match and the
// text. Within a field "\t" stands for a tab and "\\" for a backslash; no
// other escape exists, so blanks and tabs are kept exactly. Lines starting
// with '#' and empty lines are comments. The kinds:
//   is      some line of the range is exactly the text;
//   line    some line of the range is the text once its indentation is gone;
//   has     some line of the range contains the text;
//   head    a line of 77 slashes within the range, the text on the next line;
//   notice  the nine lines of the framework notice start within the range.
// The entries of one file are found in their order: each is looked for from
// the line where the one before it was found. {Name}, {NAME} and {Base} in
// the text stand for the settings' name, upper-cased name and view base.
namespace vantrel::test {

struct OutlineEntry {
  std::string where;  // Data file and row, for messages.
  std::string file;
  int first = 0, last = 0;
  std::string kind;
  std::string text;
};

// Reads tests/data/<name>; a malformed row is a test failure.
std::vector<OutlineEntry> LoadOutline(const std::string& name);

// The text with {Name}, {NAME} and {Base} replaced from the settings.
std::string Expand(std::string text, const ProjectSettings& settings);

// The text the run's writer for a file (named as in the run's table)
// produces for the settings, written to no file system.
std::string Render(const std::string& file, const ProjectSettings& settings);
std::vector<std::string> RenderLines(const std::string& file, const ProjectSettings& settings);

// Expects every entry of the outline in the file rendered for the settings.
void ExpectOutline(const std::vector<OutlineEntry>& outline, const ProjectSettings& settings);

// Rules for every line: no trailing blank or tab and no control byte but
// the tab of a tab-indented file. Blank-indented files hold no tab and
// indent by eight blanks a level; tab-indented ones start no line with a
// blank nor follow their indenting tabs with one, except on the listed lines.
enum class Indent { Blanks, Tabs };
void ExpectLineRules(const std::string& file, const std::vector<std::string>& lines, Indent indent,
                     const std::set<int>& exceptions = {});

}  // namespace vantrel::test
