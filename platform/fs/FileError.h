#pragma once

#include <stdexcept>
#include <string>

namespace vantrel {

// Raised by the file-system layer when a file cannot be created or cannot be
// written completely. The path is the Windows-style path the caller asked for.
class FileError : public std::runtime_error {
 public:
  enum class Kind { CannotCreate, Incomplete };

  FileError(Kind kind, std::string path);

  Kind kind() const { return kind_; }
  const std::string& path() const { return path_; }

  // The message text for a kind and a path, as the user sees it.
  static std::string MessageFor(Kind kind, const std::string& path);

 private:
  Kind kind_;
  std::string path_;
};

}  // namespace vantrel
