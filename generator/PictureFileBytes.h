#pragma once

#include <string_view>

namespace vantrel {

// A picture file of a project: the module's own picture of that resource
// name, written as a bitmap file or as an icon file.
struct PictureFile {
  std::string_view resource;  // "TOOLBAR", "MDICHILD", "MFCVANTREL".
  bool icon = false;
};

// The bytes of the file, taken from the module's own pictures: on Linux
// encoded once at build time and carried as constant data, on Windows read
// from the module's resources. Empty when the module carries no such
// picture, which the generation run reports as a failure of that file.
std::string_view PictureFileBytes(const PictureFile& file);

}  // namespace vantrel
