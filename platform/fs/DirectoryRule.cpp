#include "platform/fs/DirectoryRule.h"

namespace vantrel {

std::optional<FileError> DirectoryRefusal(const DirectoryFacts& facts, const std::string& path, bool mayBeMissing,
                                          const std::function<std::optional<FileError>()>& checkParent) {
  using What = DirectoryFacts::What;
  switch (facts.what) {
    case What::Usable:
      return std::nullopt;
    case What::Missing:
      if (mayBeMissing) return checkParent();
      break;
    case What::Link:
      if (!mayBeMissing) return std::nullopt;
      return FileError(FileError::Kind::BadDirectory, path, std::string(kLinkedDirectory));
    case What::Unusable:
      break;
  }
  return FileError(FileError::Kind::BadDirectory, path, facts.reason);
}

}  // namespace vantrel
