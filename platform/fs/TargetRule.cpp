#include "platform/fs/TargetRule.h"

namespace vantrel {

std::optional<FileError> TargetRefusal(const TargetFacts& facts, const std::string& path, ExistingFile existing,
                                       std::string_view directoryReason) {
  using What = TargetFacts::What;
  using Kind = FileError::Kind;
  switch (facts.what) {
    case What::Nothing:
      return std::nullopt;
    case What::Directory:
      return FileError(Kind::CannotCreate, path, std::string(directoryReason));
    case What::Other:
      return FileError(Kind::CannotCreate, path, std::string(kNotRegularFile));
    case What::File:
    case What::Link:
      break;
  }
  if (existing == ExistingFile::Keep) return FileError(Kind::Exists, path, std::string(kFileExists));
  if (facts.what == What::File && facts.readOnly)
    return FileError(Kind::CannotCreate, path, std::string(kReadOnlyFile));
  return std::nullopt;
}

}  // namespace vantrel
