#include <stdexcept>
#include <string>
#include <string_view>

#include "generator/PictureFiles.h"
#include "platform/resources/ModulePicture.h"

namespace vantrel {
namespace {

// The module's picture of that name. Every picture used here is checked
// into the module when it is built, so a missing one is a build fault.
const ModulePicture& Required(const ModulePicture* picture, std::string_view name) {
  if (picture == nullptr) throw std::logic_error("the module carries no picture " + std::string(name));
  return *picture;
}

}  // namespace

// Each file's bytes do not depend on the project, so each is encoded once.

const std::string& ToolBarBitmapFile() {
  static const std::string bytes = EncodeBitmapFile(Required(FindModuleBitmap("TOOLBAR"), "TOOLBAR"));
  return bytes;
}

const std::string& DocumentIconFile() {
  static const std::string bytes = EncodeIconFile(Required(FindModuleIcon("MDICHILD"), "MDICHILD"));
  return bytes;
}

const std::string& ApplicationIconFile() {
  static const std::string bytes = EncodeIconFile(Required(FindModuleIcon("MFCVANTREL"), "MFCVANTREL"));
  return bytes;
}

}  // namespace vantrel
