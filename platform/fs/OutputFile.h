#pragma once

#include <string_view>

namespace vantrel {

// A file being written. Its content only replaces what was at its path when
// Finish succeeds; a file destroyed before that leaves the old file (or no
// file, when there was none) exactly as it was.
class OutputFile {
 public:
  virtual ~OutputFile() = default;

  // Writes the whole content. Throws FileError (Incomplete) when it cannot.
  virtual void Write(std::string_view bytes) = 0;

  // Puts the written content in place and closes the file. Throws FileError
  // (Incomplete) when it cannot.
  virtual void Finish() = 0;

  // True when a file of that path existed when this one was created.
  virtual bool ReplacesExisting() const = 0;
};

}  // namespace vantrel
