#include "generator/OutputWriter.h"

#include <stdexcept>

namespace vantrel {

void OutputWriter::Create(const std::string& path, ExistingFile existing) {
  if (fs_ == nullptr) throw std::logic_error("OutputWriter::Create without a file system");
  file_.reset();
  Start(fs_->CreateFile(path, existing));
}

void OutputWriter::Start(std::unique_ptr<OutputFile> file) {
  file_ = std::move(file);
  buffer_.clear();
  replaced_ = file_->ReplacesExisting();
}

void OutputWriter::Commit() {
  // The file is released whatever happens, so that it can be written again.
  std::unique_ptr<OutputFile> file = std::move(file_);
  if (!file) throw std::logic_error("OutputWriter::Commit without Create");
  file->Write(buffer_);
  file->Finish();
}

std::unique_ptr<OutputFile> OutputWriter::Stage() {
  std::unique_ptr<OutputFile> file = std::move(file_);
  if (!file) throw std::logic_error("OutputWriter::Stage without Create");
  file->Write(buffer_);
  file->Stage();
  return file;
}

}  // namespace vantrel
