// Build-time tool: checks every template and writes the C++ source that
// embeds them, plus a header naming each one.
//
//   embed_templates OUT.cpp OUT.h ROOT FILE...
//
// A template's name is its path below ROOT without ".tpl". The tool fails,
// and so does the build, when any template has an unknown splice or an
// include that does not resolve.

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "generator/Template.h"
#include "platform/fs/PosixFileSystem.h"

namespace {

// The whole file, read through the file layer the product uses.
std::string ReadAll(const std::string& path) {
  auto text = vantrel::PosixFileSystem().ReadFile(path);
  if (!text) throw std::runtime_error("cannot read " + path);
  return *text;
}

// Every byte outside plain printable ASCII, and the characters that mean
// something inside a literal, is written as a three-digit octal escape.
std::string CppLiteral(const std::string& bytes) {
  std::string out = "\"";
  int column = 0;
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\' && c != '?') {
      out += static_cast<char>(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
    }
    if (c == '\n' || ++column > 100) {
      out += "\"\n    \"";
      column = 0;
    }
  }
  return out + "\"";
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
    vantrel::TemplateSet check(sources);
  } catch (const std::exception& error) {
    std::cerr << "embed_templates: " << error.what() << "\n";
    return 1;
  }

  std::ofstream cpp(argv[1], std::ios::binary);
  cpp << "// Written by embed_templates from templates/; do not edit.\n"
      << "#include \"generator/Template.h\"\n\nnamespace vantrel {\nnamespace {\n\n";
  for (std::size_t i = 0; i < names.size(); ++i)
    cpp << "// " << names[i] << "\nconstexpr char kText" << i << "[] =\n    " << CppLiteral(texts[i])
        << ";\n\n";
  cpp << "}  // namespace\n\nconst TemplateSet& EmbeddedTemplates() {\n"
      << "  static const TemplateSet templates({\n";
  for (std::size_t i = 0; i < names.size(); ++i)
    cpp << "      {\"" << names[i] << "\", {kText" << i << ", sizeof kText" << i << " - 1}},\n";
  cpp << "  });\n  return templates;\n}\n\n}  // namespace vantrel\n";

  std::ofstream header(argv[2], std::ios::binary);
  header << "// Written by embed_templates from templates/; do not edit.\n#pragma once\n\n"
         << "#include <string_view>\n\nnamespace vantrel::templates {\n\n";
  for (const auto& name : names)
    header << "inline constexpr std::string_view " << Identifier(name) << " = \"" << name << "\";\n";
  header << "\n}  // namespace vantrel::templates\n";
  return cpp && header ? 0 : 1;
}
