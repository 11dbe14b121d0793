#pragma once

#include <string>
#include <vector>

#include "generator/ProjectOpener.h"
#include "platform/fs/FileSystem.h"

namespace vantrel::cli {

// Stands in for the IDE on the command line: notes what the wizard asks of
// it, as lines to print once the file list has been printed.
class PrintingOpener : public ProjectOpener {
 public:
  explicit PrintingOpener(const FileSystem& fs) : fs_(fs) {}
  void CloseProject() override { lines_.push_back("IDE: close the current project"); }
  void OpenFile(const std::string& path) override { lines_.push_back("IDE: open " + fs_.DisplayPath(path)); }
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  const FileSystem& fs_;
  std::vector<std::string> lines_;
};

}  // namespace vantrel::cli
