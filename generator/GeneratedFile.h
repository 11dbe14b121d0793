#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "generator/PictureFileBytes.h"
#include "generator/ProjectSettings.h"
#include "generator/TemplateText.h"

namespace vantrel {

// One file of the generation run: a text file written from its template, or
// a picture whose bytes come from the module's resources.
struct GeneratedFile {
  // The name below the location; "{Name}" stands for the project name and
  // a backslash separates the resource subdirectory.
  std::string_view relativeName;
  const TemplateText* text = nullptr;
  PictureFile picture = {};  // The picture written when there is no template.
  bool makesResourceDirectory = false;  // Create "res\" before this file.
};

// Every generated file, in the order the generation run writes them.
std::span<const GeneratedFile> GeneratedFiles();

// The file's name below the location, with the project name spliced in.
std::string RelativePath(const GeneratedFile& file, const ProjectSettings& settings);

}  // namespace vantrel
