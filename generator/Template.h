#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "generator/LineEnd.h"
#include "generator/TemplateText.h"

namespace vantrel {

// A template that cannot be used: an unknown splice, a missing include, a
// carriage return in the text. The message names the template and the line.
class TemplateError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The fixed text of one generated file as its template file holds it, one
// entry per generated line. Only the build-time embedding tool and the tests
// parse templates; the program carries them flattened (TemplateText.h).
//
// Template text is kept with a line feed after every line, and every byte
// stands for itself except the splices {Name}, {NAME}, {Base} and
// {BaseInclude} (the view base class's extra include line of "stdafx.h"
// with its line end, or nothing; see ViewBases.h). Any other
// name in braces is an error, so that a misspelt splice never reaches a
// generated file; "{{Word}" writes the literal text "{Word}". A line that is exactly {>common/notice}
// stands for all lines of that other template.
class Template {
 public:
  // Fixed text, or a splice with no text.
  struct Piece {
    Splice splice = Splice::None;
    std::string text;
  };
  // A run of fixed text and the splice after it, owning its text.
  struct Run {
    std::string text;
    Splice splice = Splice::None;
  };
  struct Line {
    std::vector<Piece> pieces;
    const Template* include = nullptr;  // Set for an include line.
    std::string includeName;
  };

  // Parses text; includes are only named here and resolved by TemplateSet,
  // which also builds the flattened form the writer uses.
  Template(std::string name, std::string_view text);

  const std::string& name() const { return name_; }
  const std::vector<Line>& lines() const { return lines_; }

  // The whole text as few runs as possible: included templates are
  // expanded, and the fixed text between two splices, each line's CR LF
  // included, is one run. This is what the program carries.
  const std::vector<Run>& Flattened() const { return flattened_; }

  // The flattened runs as the writer takes them; they point into this
  // template and live as long as it does.
  std::vector<TextRun> Runs() const;

 private:
  friend class TemplateSet;
  void Flatten();

  std::string name_;
  std::vector<Line> lines_;
  std::vector<Run> flattened_;
};

// A closed set of templates whose includes all resolve within the set.
class TemplateSet {
 public:
  struct Source {
    std::string_view name;
    std::string_view text;
  };

  // Parses every source and resolves includes; throws TemplateError.
  explicit TemplateSet(const std::vector<Source>& sources);
  TemplateSet(const TemplateSet&) = delete;
  TemplateSet& operator=(const TemplateSet&) = delete;

  // The template of that name; throws TemplateError when there is none.
  const Template& Get(std::string_view name) const;
  std::vector<std::string> Names() const;

 private:
  std::map<std::string, Template, std::less<>> templates_;
};

}  // namespace vantrel
