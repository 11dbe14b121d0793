#pragma once

#include <string>

namespace vantrel {

// What the generation run asks of the host at its end: close the project
// that is open and open the new project's makefile. Results are not used.
class ProjectOpener {
 public:
  virtual ~ProjectOpener() = default;
  virtual void CloseProject() = 0;
  virtual void OpenFile(const std::string& path) = 0;
};

}  // namespace vantrel
