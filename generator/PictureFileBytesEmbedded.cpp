#include "generator/EmbeddedPictureFiles.h"
#include "generator/PictureFileBytes.h"

namespace vantrel {

std::string_view PictureFileBytes(const PictureFile& file) {
  for (const auto& embedded : pictures::kPictureFiles)
    if (embedded.resource == file.resource && embedded.icon == file.icon) return embedded.bytes;
  return {};
}

}  // namespace vantrel
