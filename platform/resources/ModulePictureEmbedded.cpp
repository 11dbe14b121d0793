#include "platform/resources/ModulePicture.h"

#include "platform/resources/EmbeddedPictures.h"

namespace vantrel {
namespace {

const ModulePicture* Find(std::string_view name, bool icon) {
  for (const auto& picture : EmbeddedPictures())
    if (picture.name == name && picture.icon == icon) return &picture;
  return nullptr;
}

}  // namespace

const ModulePicture* FindModuleBitmap(std::string_view name) { return Find(name, false); }

const ModulePicture* FindModuleIcon(std::string_view name) { return Find(name, true); }

std::span<const ModulePicture> ModulePictures() { return EmbeddedPictures(); }

}  // namespace vantrel
