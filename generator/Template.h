#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "generator/LineEnd.h"

namespace vantrel {

// A template that cannot be used: an unknown splice, a missing include, a
// carriage return in the text. The message names the template and the line.
class TemplateError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The fixed text of one generated file, one entry per generated line.
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
  enum class PieceKind { Text, Name, UpperName, Base, BaseInclude };
  struct Piece {
    PieceKind kind;
    std::string text;  // For Text pieces only.
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

  // The number of generated lines, included templates counted in full.
  std::size_t LineCount() const;

  // The whole text as few pieces as possible: included templates are
  // expanded, and every run of lines without splices is one Text piece with
  // each line's CR LF already in it. This is what the writer appends.
  const std::vector<Piece>& Flattened() const { return flattened_; }

 private:
  friend class TemplateSet;
  void Flatten();

  std::string name_;
  std::vector<Line> lines_;
  std::vector<Piece> flattened_;
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

// The templates of templates/, embedded in the program at build time.
const TemplateSet& EmbeddedTemplates();

}  // namespace vantrel
