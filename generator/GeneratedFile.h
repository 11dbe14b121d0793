#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generator/OutputWriter.h"
#include "generator/ProjectSettings.h"

namespace vantrel {

// One file of the generation run: a text file built line by line through the
// output writer, or a picture whose bytes come from the module's resources.
struct GeneratedFile {
  using TextWriter = void (*)(const ProjectSettings&, OutputWriter&);
  using PictureBytes = const std::string& (*)();

  std::string_view relativeName;  // "{Name}" stands for the project name.
  TextWriter text = nullptr;
  PictureBytes picture = nullptr;
  bool makesResourceDirectory = false;  // Create "res\" before this file.
};

// Every generated file, in the order the generation run writes them.
const std::vector<GeneratedFile>& GeneratedFiles();

// The file's name below the location, with the project name spliced in.
std::string RelativePath(const GeneratedFile& file, const ProjectSettings& settings);

}  // namespace vantrel
