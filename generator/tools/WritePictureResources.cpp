// Build-time tool for the Windows build: writes every picture of the module
// as a Windows bitmap or icon file, and a resource script that compiles
// them into a module as its resources.
//
//   write_picture_resources OUT.rc
//
// The files go beside OUT.rc, named after their resources (TOOLBAR.bmp,
// MFCVANTREL.ico...). The pictures a project gets are encoded exactly as
// the generator writes them, since a run writes the resource's bytes behind
// a file header; the bitmaps that only the dialogs show are compressed,
// which takes about 165 KB off each Windows module.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "generator/GeneratedFile.h"
#include "generator/PictureFiles.h"
#include "platform/resources/ModulePicture.h"

namespace {

// True when a generated project gets the picture as one of its files.
bool IsProjectPicture(const vantrel::ModulePicture& picture) {
  for (const auto& file : vantrel::GeneratedFiles())
    if (file.text == nullptr && file.picture.resource == picture.name && file.picture.icon == picture.icon) return true;
  return false;
}

std::string Encode(const vantrel::ModulePicture& picture) {
  if (picture.icon) return vantrel::EncodeIconFile(picture);
  return IsProjectPicture(picture) ? vantrel::EncodeBitmapFile(picture) : vantrel::EncodeCompressedBitmapFile(picture);
}

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
    if (!WriteFile(file, Encode(picture))) {
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
