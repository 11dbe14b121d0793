#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/fs/FileSystem.h"

namespace vantrel {

// Builds one generated text file in memory and writes it in one piece. The
// buffer is reused from file to file.
class OutputWriter {
 public:
  // Takes file, started already, as the file to write, and empties the buffer.
  void Start(std::unique_ptr<OutputFile> file);

  // Appends text as it stands: the templates carry their own line endings.
  void Append(std::string_view text) { buffer_.append(text); }

  // Writes the whole buffer with one write and completes the file without
  // putting it in place; returns it for that. Throws FileError, dropping it.
  std::unique_ptr<OutputFile> Stage();

  // Drops the file being written, if any, leaving the old one in place.
  void Abandon() { file_.reset(); }

  // True when the file created last replaced an existing one.
  bool Replaced() const { return replaced_; }

  const std::string& Buffer() const { return buffer_; }

 private:
  std::unique_ptr<OutputFile> file_;
  std::string buffer_;
  bool replaced_ = false;
};

}  // namespace vantrel
