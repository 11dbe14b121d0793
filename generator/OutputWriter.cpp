#include "generator/OutputWriter.h"

#include <stdexcept>

namespace vantrel {

void OutputWriter::Start(std::unique_ptr<OutputFile> file) {
  file_ = std::move(file);
  buffer_.clear();
  replaced_ = file_->ReplacesExisting();
}

std::unique_ptr<OutputFile> OutputWriter::Stage() {
  std::unique_ptr<OutputFile> file = std::move(file_);
  if (!file) throw std::logic_error("OutputWriter::Stage without Start");
  file->Write(buffer_);
  file->Stage();
  return file;
}

}  // namespace vantrel
