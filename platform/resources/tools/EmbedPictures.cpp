// Build-time tool: checks every picture of resources/ and writes the C++
// source that carries them as the module's own resources.
//
//   embed_pictures OUT.cpp FILE.pic...
//
// A picture's resource name is its file name without ".pic". The tool fails,
// and so does the build, when a file is malformed (see PictureText.h), two
// files give the same name, or a picture that the program uses by name has
// the wrong kind or size.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/resources/PictureText.h"
#include "platform/fs/PosixFileSystem.h"

namespace {

struct Expected {
  const char* name;
  bool icon;
  int width;
  int height;
};

// The pictures the program loads by name, with the size each must have.
constexpr Expected kExpected[] = {
    {"TOOLBAR", false, 144, 15},    {"MDICHILD", true, 32, 32},      {"MFCVANTREL", true, 32, 32},
    {"NEWPROJECT", false, 446, 360}, {"BACKIMAGE", false, 180, 388}, {"FINALIMAGE", false, 180, 388},
    {"MDI", false, 189, 141},       {"SDI", false, 189, 141},        {"STEP2IMAGE", false, 189, 141},
    {"INTERFACE", false, 189, 141}, {"STEP5_DOC", false, 189, 141},  {"STEP5_NODOC", false, 189, 141},
    {"3DCTRL", false, 170, 64},
};

struct Named {
  std::string name;
  vantrel::PictureText picture;
};

// The whole file, read through the file layer the product uses.
std::string ReadAll(const std::string& path) {
  auto text = vantrel::PosixFileSystem().ReadFile(path);
  if (!text) throw std::runtime_error("cannot read " + path);
  return *text;
}

void CheckExpected(const Named& named) {
  for (const auto& e : kExpected) {
    if (named.name != e.name) continue;
    const auto& p = named.picture;
    if (p.icon != e.icon || p.width != e.width || p.height != e.height)
      throw std::runtime_error(named.name + " must be " + (e.icon ? "an icon" : "a bitmap") + " of " +
                               std::to_string(e.width) + " x " + std::to_string(e.height));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: embed_pictures OUT.cpp FILE.pic...\n";
    return 2;
  }
  std::vector<Named> pictures;
  for (int i = 2; i < argc; ++i) {
    const std::filesystem::path path = argv[i];
    try {
      if (path.extension() != ".pic") throw std::runtime_error("not a .pic file");
      Named named{path.stem().string(), vantrel::ParsePictureText(ReadAll(path.string()))};
      if (!vantrel::IsPictureName(named.name))
        throw std::runtime_error("a resource name is upper-case letters, digits and '_'");
      for (const auto& other : pictures)
        if (other.name == named.name) throw std::runtime_error("a second picture named " + named.name);
      CheckExpected(named);
      pictures.push_back(std::move(named));
    } catch (const std::exception& error) {
      std::cerr << "embed_pictures: " << path.string() << ": " << error.what() << "\n";
      return 1;
    }
  }
  for (const auto& e : kExpected)
    if (std::none_of(pictures.begin(), pictures.end(), [&](const Named& n) { return n.name == e.name; }))
      std::cerr << "embed_pictures: warning: no picture " << e.name << "\n";
  std::sort(pictures.begin(), pictures.end(), [](const Named& a, const Named& b) { return a.name < b.name; });

  // The pixel characters are plain printable ASCII, so each row goes into
  // the literal as it stands, one row a line.
  std::ofstream cpp(argv[1], std::ios::binary);
  cpp << "// Written by embed_pictures from resources/; do not edit.\n"
      << "#include \"platform/resources/EmbeddedPictures.h\"\n\nnamespace vantrel {\nnamespace {\n\n";
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const auto& p = pictures[i].picture;
    cpp << "// " << pictures[i].name << "\nconstexpr char kData" << i << "[] =\n";
    for (int row = 0; row < p.height; ++row)
      cpp << "    \"" << p.data.substr(static_cast<std::size_t>(row) * p.width, p.width) << "\"\n";
    cpp << "    ;\n\n";
  }
  cpp << "constexpr ModulePicture kPictures[] = {\n";
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const auto& p = pictures[i].picture;
    cpp << "    {\"" << pictures[i].name << "\", " << p.width << ", " << p.height << ", "
        << (p.icon ? "true" : "false") << ", {kData" << i << ", sizeof kData" << i << " - 1}},\n";
  }
  cpp << "};\n\n}  // namespace\n\nstd::span<const ModulePicture> EmbeddedPictures() { return kPictures; }\n\n"
      << "}  // namespace vantrel\n";
  return cpp ? 0 : 1;
}
