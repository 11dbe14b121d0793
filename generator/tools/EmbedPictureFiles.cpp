// Build-time tool for the Linux build: encodes the three picture files of a
// generated project's "res" directory from the module's own pictures and
// writes their bytes as a table of constant data, so that a run only copies
// them. (The Windows build reads them from its resources instead.)
//
//   embed_picture_files OUT.cpp OUT.h

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "generator/PictureFiles.h"
#include "generator/tools/CppLiteral.h"
#include "platform/resources/ModulePicture.h"

namespace {

struct PictureFile {
  const char* resource;
  bool icon;
};

// The tool bar bitmap, the document icon and the application icon.
constexpr PictureFile kFiles[] = {
    {"TOOLBAR", false},
    {"MDICHILD", true},
    {"MFCVANTREL", true},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: embed_picture_files OUT.cpp OUT.h\n";
    return 2;
  }
  std::ofstream cpp(argv[1], std::ios::binary);
  std::ofstream header(argv[2], std::ios::binary);
  cpp << "// Written by embed_picture_files from resources/; do not edit.\n"
      << "#include \"generator/EmbeddedPictureFiles.h\"\n\nnamespace vantrel::pictures {\n\n";
  header << "// Written by embed_picture_files from resources/; do not edit.\n#pragma once\n\n"
         << "#include <string_view>\n\nnamespace vantrel::pictures {\n\n"
         << "struct EmbeddedPictureFile {\n  std::string_view resource;\n  bool icon;\n"
         << "  std::string_view bytes;\n};\n\n"
         << "extern const EmbeddedPictureFile kPictureFiles[" << std::size(kFiles) << "];\n";
  cpp << "constinit const EmbeddedPictureFile kPictureFiles[] = {\n";
  for (const auto& file : kFiles) {
    const vantrel::ModulePicture* picture =
        file.icon ? vantrel::FindModuleIcon(file.resource) : vantrel::FindModuleBitmap(file.resource);
    if (picture == nullptr) {
      std::cerr << "embed_picture_files: the module carries no picture " << file.resource << "\n";
      return 1;
    }
    const std::string bytes = file.icon ? vantrel::EncodeIconFile(*picture) : vantrel::EncodeBitmapFile(*picture);
    cpp << "    {\"" << file.resource << "\", " << (file.icon ? "true" : "false") << ",\n     std::string_view(\n"
        << "         " << vantrel::tools::CppLiteral(bytes) << ",\n         " << bytes.size() << ")},\n";
  }
  cpp << "};\n\n}  // namespace vantrel::pictures\n";
  header << "\n}  // namespace vantrel::pictures\n";
  return cpp && header ? 0 : 1;
}
