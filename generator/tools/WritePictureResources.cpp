// Build-time tool for the Windows build: writes every picture of the module
// as a Windows bitmap or icon file, and a resource script that compiles
// them into a module as its resources.
//
//   write_picture_resources OUT.rc
//
// The files go beside OUT.rc, named after their resources (TOOLBAR.bmp,
// MFCVANTREL.ico...). They are encoded exactly as the generator writes
// pictures into a project, so a program that decodes its resources and
// encodes them again writes the same bytes.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "generator/PictureFiles.h"
#include "platform/resources/ModulePicture.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: write_picture_resources OUT.rc\n";
    return 2;
  }
  const std::filesystem::path script = argv[1];
  const std::filesystem::path directory = script.parent_path();
  std::string rc = "// Written by write_picture_resources from resources/; do not edit.\n";
  for (const auto& picture : vantrel::ModulePictures()) {
    const std::string name(picture.name);
    const std::filesystem::path file = directory / (name + (picture.icon ? ".ico" : ".bmp"));
    if (!WriteFile(file, picture.icon ? vantrel::EncodeIconFile(picture) : vantrel::EncodeBitmapFile(picture))) {
      std::cerr << "write_picture_resources: cannot write " << file.string() << "\n";
      return 1;
    }
    // The name is quoted, so that one that starts with a digit stays a name.
    // The resource compiler joins adjacent quoted strings, so a statement
    // stands between one line's file name and the next line's name; the
    // language statement also makes every picture language-neutral.
    rc += "LANGUAGE 0, 0\n\"" + name + "\" " + (picture.icon ? "ICON" : "BITMAP") + " \"" + file.string() + "\"\n";
  }
  if (!WriteFile(script, rc)) {
    std::cerr << "write_picture_resources: cannot write " << script.string() << "\n";
    return 1;
  }
  return 0;
}
