// Build-time tool: checks every template, flattens each into runs of fixed
// text and splices, and writes them as constant data, with a header that
// declares one TemplateText per template.
//
//   embed_templates OUT.cpp OUT.h ROOT FILE...
//
// A template's name is its path below ROOT without ".tpl"; its variable is
// that name with every character other than a letter or digit made "_"
// (templates::res_Name_rc2). The tool fails, and so does the build, when any
// template has an unknown splice or an include that does not resolve.

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "generator/Template.h"
#include "generator/tools/CppLiteral.h"
#include "platform/fs/PosixFileSystem.h"

namespace {

// The whole file, read through the file layer the product uses.
std::string ReadAll(const std::string& path) {
  auto text = vantrel::PosixFileSystem().ReadFile(path);
  if (!text) throw std::runtime_error("cannot read " + path);
  return *text;
}

const char* SpliceName(vantrel::Splice splice) {
  switch (splice) {
    case vantrel::Splice::None: return "None";
    case vantrel::Splice::Name: return "Name";
    case vantrel::Splice::UpperName: return "UpperName";
    case vantrel::Splice::Base: return "Base";
    case vantrel::Splice::BaseInclude: return "BaseInclude";
  }
  throw std::logic_error("unknown splice");
}

std::string Identifier(const std::string& name) {
  std::string id;
  for (char c : name) id += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return id;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: embed_templates OUT.cpp OUT.h ROOT FILE...\n";
    return 2;
  }
  const std::string root = std::string(argv[3]) + "/";
  std::vector<std::string> names, texts;
  std::vector<std::vector<vantrel::Template::Run>> flattened;
  try {
    for (int i = 4; i < argc; ++i) {
      std::string path = argv[i];
      if (path.rfind(root, 0) != 0 || !path.ends_with(".tpl"))
        throw std::runtime_error(path + " is not a .tpl file below " + root);
      names.push_back(path.substr(root.size(), path.size() - root.size() - 4));
      texts.push_back(ReadAll(path));
    }
    std::vector<vantrel::TemplateSet::Source> sources;
    for (std::size_t i = 0; i < names.size(); ++i) sources.push_back({names[i], texts[i]});
    vantrel::TemplateSet set(sources);
    for (const auto& name : names) flattened.push_back(set.Get(name).Flattened());
  } catch (const std::exception& error) {
    std::cerr << "embed_templates: " << error.what() << "\n";
    return 1;
  }

  std::ofstream cpp(argv[1], std::ios::binary);
  cpp << "// Written by embed_templates from templates/; do not edit.\n"
      << "#include \"generator/EmbeddedTemplates.h\"\n\nnamespace vantrel::templates {\nnamespace {\n\n";
  for (std::size_t i = 0; i < names.size(); ++i) {
    cpp << "// " << names[i] << "\nconstexpr TextRun kRuns" << i << "[] = {\n";
    for (const auto& run : flattened[i])
      cpp << "    {std::string_view(" << vantrel::tools::CppLiteral(run.text) << ", " << run.text.size() << "), Splice::"
          << SpliceName(run.splice) << "},\n";
    cpp << "};\n\n";
  }
  cpp << "}  // namespace\n\n";
  for (std::size_t i = 0; i < names.size(); ++i)
    cpp << "constinit const TemplateText " << Identifier(names[i]) << "{kRuns" << i << "};\n";
  cpp << "\n}  // namespace vantrel::templates\n";

  std::ofstream header(argv[2], std::ios::binary);
  header << "// Written by embed_templates from templates/; do not edit.\n#pragma once\n\n"
         << "#include \"generator/TemplateText.h\"\n\nnamespace vantrel::templates {\n\n";
  for (const auto& name : names) header << "extern const TemplateText " << Identifier(name) << ";\n";
  header << "\n}  // namespace vantrel::templates\n";
  return cpp && header ? 0 : 1;
}
