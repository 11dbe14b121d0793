#include "generator/Template.h"

#include <cctype>

namespace vantrel {
namespace {

bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::string Where(const std::string& name, std::size_t line) {
  return "template " + name + ", line " + std::to_string(line) + ": ";
}

Template::Line ParseLine(const std::string& name, std::size_t number, std::string_view text) {
  Template::Line line;
  if (text.size() > 3 && text.substr(0, 2) == "{>" && text.back() == '}') {
    line.includeName = std::string(text.substr(2, text.size() - 3));
    return line;
  }
  std::string literal;
  auto flush = [&] {
    if (!literal.empty()) line.pieces.push_back({Splice::None, std::move(literal)});
    literal.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') throw TemplateError(Where(name, number) + "carriage return in template text");
    if (c != '{') {
      literal += c;
      continue;
    }
    // "{{Name}" is the literal text "{Name}"; every other "{" that does not
    // open a splice is literal as it stands.
    const bool escaped = i + 1 < text.size() && text[i + 1] == '{';
    const std::size_t nameStart = escaped ? i + 2 : i + 1;
    std::size_t end = nameStart;
    if (end < text.size() && IsNameStart(text[end])) {
      while (end < text.size() && IsNameChar(text[end])) ++end;
      if (end < text.size() && text[end] == '}') {
        std::string_view splice = text.substr(nameStart, end - nameStart);
        i = end;
        if (escaped) {
          literal += '{';
          literal += splice;
          literal += '}';
          continue;
        }
        Splice kind;
        if (splice == "Name") kind = Splice::Name;
        else if (splice == "NAME") kind = Splice::UpperName;
        else if (splice == "Base") kind = Splice::Base;
        else if (splice == "BaseInclude") kind = Splice::BaseInclude;
        else
          throw TemplateError(Where(name, number) + "unknown splice {" + std::string(splice) +
                              "} (write {{" + std::string(splice) + "} for that literal text)");
        flush();
        line.pieces.push_back({kind, {}});
        continue;
      }
    }
    literal += c;
  }
  flush();
  return line;
}

bool HasIncludes(const Template& tpl) {
  for (const auto& line : tpl.lines())
    if (!line.includeName.empty()) return true;
  return false;
}

}  // namespace

Template::Template(std::string name, std::string_view text) : name_(std::move(name)) {
  if (!text.empty() && text.back() != '\n')
    throw TemplateError("template " + name_ + ": the last line has no line feed");
  std::size_t number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    lines_.push_back(ParseLine(name_, ++number, text.substr(start, end - start)));
    start = end + 1;
  }
}

TemplateSet::TemplateSet(const std::vector<Source>& sources) {
  for (const auto& source : sources) {
    std::string name(source.name);
    if (!templates_.try_emplace(name, name, source.text).second)
      throw TemplateError("template " + name + " is defined twice");
  }
  for (auto& [name, tpl] : templates_) {
    for (std::size_t i = 0; i < tpl.lines_.size(); ++i) {
      auto& line = tpl.lines_[i];
      if (line.includeName.empty()) continue;
      auto it = templates_.find(line.includeName);
      if (it == templates_.end())
        throw TemplateError("template " + name + ", line " + std::to_string(i + 1) +
                            ": no template " + line.includeName + " to include");
      if (HasIncludes(it->second))
        throw TemplateError("template " + name + ": " + line.includeName +
                            " includes others, and only one level of inclusion is allowed");
      line.include = &it->second;
    }
  }
  for (auto& entry : templates_) entry.second.Flatten();
}

void Template::Flatten() {
  flattened_.clear();
  // The last run while no splice ends it yet, or a new one.
  auto open = [this]() -> Run& {
    if (flattened_.empty() || flattened_.back().splice != Splice::None) flattened_.push_back({});
    return flattened_.back();
  };
  auto line = [&](const Line& current) {
    for (const auto& piece : current.pieces) {
      if (piece.splice == Splice::None)
        open().text.append(piece.text);
      else
        open().splice = piece.splice;
    }
    open().text.append(kLineEnd);
  };
  for (const auto& current : lines_) {
    if (current.include == nullptr) {
      line(current);
      continue;
    }
    for (const auto& inner : current.include->lines_) line(inner);
  }
}

std::vector<TextRun> Template::Runs() const {
  std::vector<TextRun> runs;
  for (const auto& run : flattened_) runs.push_back({run.text, run.splice});
  return runs;
}

const Template& TemplateSet::Get(std::string_view name) const {
  auto it = templates_.find(name);
  if (it == templates_.end()) throw TemplateError("no template " + std::string(name));
  return it->second;
}

std::vector<std::string> TemplateSet::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : templates_) names.push_back(entry.first);
  return names;
}

}  // namespace vantrel
