#include "platform/fs/FileError.h"

#include <cstdio>

namespace vantrel {
namespace {

// What could not be done, per kind.
const char* ActionOf(FileError::Kind kind) {
  switch (kind) {
    case FileError::Kind::CannotCreate:
    case FileError::Kind::Exists: return "Cannot create file ";
    case FileError::Kind::Incomplete: return "Cannot write file ";
    case FileError::Kind::BadDirectory:
    case FileError::Kind::Busy: return "Cannot write into directory ";
  }
  return "Cannot use ";
}

}  // namespace

FileError::FileError(Kind kind, std::string path, std::string reason)
    : std::runtime_error(MessageFor(kind, path, reason)),
      kind_(kind),
      path_(std::move(path)),
      reason_(std::move(reason)) {}

std::string FileError::MessageFor(Kind kind, const std::string& path, const std::string& reason) {
  return ActionOf(kind) + EscapeControls(path) + (reason.empty() ? "" : ": " + reason);
}

std::string EscapeControls(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7f) {
      escaped.push_back(c);
      continue;
    }
    char code[8];
    std::snprintf(code, sizeof code, "\\x%02X", byte);
    escaped += code;
  }
  return escaped;
}

}  // namespace vantrel
