#pragma once

#include <string_view>

namespace vantrel {

// A file being written. Its content appears at its path only when Finish
// succeeds, complete and in one step; a file destroyed before that leaves
// the old file (or no file, when there was none) exactly as it was, and no
// temporary file behind.
class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  virtual ~OutputFile() = default;

  // Writes the whole content. Throws FileError (Incomplete) when it cannot.
  virtual void Write(std::string_view bytes) = 0;

  // Puts the written content in place and closes the file. Throws FileError:
  // Incomplete when the content cannot be completed, Exists when a file that
  // was not there at the start has appeared meanwhile (it is kept), and
  // CannotCreate when the file cannot be put in place.
  virtual void Finish() = 0;

  // True when a file of that path existed when this one was created.
  virtual bool ReplacesExisting() const = 0;
};

}  // namespace vantrel
