#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "generator/LineEnd.h"
#include "platform/fs/FileSystem.h"

namespace vantrel {

// Builds one generated text file in memory and writes it in one piece. The
// buffer is reused from file to file.
class OutputWriter {
 public:
  // A writer of files that its user starts (Start) ...
  OutputWriter() = default;
  // ... or that it creates in fs by path (Create).
  explicit OutputWriter(FileSystem& fs) : fs_(&fs) {}

  // Starts the file at path and empties the buffer. Throws FileError.
  void Create(const std::string& path, ExistingFile existing = ExistingFile::Replace);

  // Takes file, started already, as the file to write, and empties the buffer.
  void Start(std::unique_ptr<OutputFile> file);

  // Appends text and the line ending CR LF. Nothing else is converted.
  void AddLine(std::string_view text) {
    buffer_.append(text);
    buffer_.append(kLineEnd);
  }

  // Appends text to the current line without ending it; EndLine ends it.
  void Append(std::string_view text) { buffer_.append(text); }
  void EndLine() { buffer_.append(kLineEnd); }

  // Writes the whole buffer with one write and closes the file. Throws
  // FileError; the file then keeps its previous content, or does not exist.
  void Commit();

  // Writes the whole buffer with one write and completes the file without
  // putting it in place; returns it for that. Throws FileError, dropping it.
  std::unique_ptr<OutputFile> Stage();

  // Drops the file being written, if any, leaving the old one in place.
  void Abandon() { file_.reset(); }

  // True when the file created last replaced an existing one.
  bool Replaced() const { return replaced_; }

  const std::string& Buffer() const { return buffer_; }

 private:
  FileSystem* fs_ = nullptr;
  std::unique_ptr<OutputFile> file_;
  std::string buffer_;
  bool replaced_ = false;
};

}  // namespace vantrel
