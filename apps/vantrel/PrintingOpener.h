#pragma once

#include <string>
#include <vector>

#include "generator/ProjectOpener.h"
#include "platform/fs/FileError.h"

namespace vantrel::cli {

// Stands in for the IDE on the command line: notes what the wizard asks of
// it, as lines to print once the file list has been printed.
class PrintingOpener : public ProjectOpener {
 public:
  void CloseProject() override { lines_.push_back("IDE: close the current project"); }
  void OpenFile(const std::string& path) override { lines_.push_back("IDE: open " + EscapeControls(path)); }
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

}  // namespace vantrel::cli
