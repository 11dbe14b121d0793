#include "host/ToolServicesOpener.h"

#include "host/HostString.h"

namespace vantrel::host {

void ToolServicesOpener::CloseProject() { services_.CloseProject(); }

void ToolServicesOpener::OpenFile(const std::string& path) {
  // The string is ours: the host takes a reference if it keeps it.
  HostString hostPath(path);
  services_.OpenFile(hostPath.get());
}

}  // namespace vantrel::host
