#pragma once

#include "generator/ProjectOpener.h"
#include "host/TIToolServices.h"

namespace vantrel::host {

// Passes the generation run's last two requests to the host: close the
// current project (slot 3), then open the new makefile (slot 9). The host's
// answers are not used.
class ToolServicesOpener final : public ProjectOpener {
 public:
  explicit ToolServicesOpener(TIToolServices& services) : services_(services) {}
  void CloseProject() override;
  void OpenFile(const std::string& path) override;

 private:
  TIToolServices& services_;
};

}  // namespace vantrel::host
