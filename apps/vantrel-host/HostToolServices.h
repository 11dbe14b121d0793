#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/TIToolServices.h"

namespace vantrel::hostapp {

using namespace vantrel::host;

// The stand-in IDE's tool services. It keeps a current project (the path of
// its makefile), does what an expert asks of it, and records every call by
// slot so that a run can be checked afterwards. Owned by the host for its
// whole life; the reference count is kept but never destroys it.
class HostToolServices final : public TIToolServices {
 public:
  // The calls as the record shows them: "close project", "open PATH",
  // "parent window", or "unexpected slot N".
  const std::vector<std::string>& Record() const { return record_; }
  const std::optional<std::string>& CurrentProject() const { return project_; }

  void SetParentWindow(HostWindow window) { window_ = window; }
  // Runs after every change of the current project and every record entry.
  std::function<void(const std::string& entry)> OnRecord;

  HostBool HOST_CALL CloseProject() override;
  HostBool HOST_CALL OpenProject(HostStr projectName) override;
  HostBool HOST_CALL SaveProject() override;
  HostBool HOST_CALL CloseFile(HostStr fileName) override;
  HostBool HOST_CALL SaveFile(HostStr fileName) override;
  HostBool HOST_CALL ReloadFile(HostStr fileName) override;
  HostBool HOST_CALL OpenFile(HostStr fileName) override;
  HostBool HOST_CALL IsFileOpen(HostStr fileName) override;
  void HOST_CALL GetProjectName(HostStr* result) override;
  std::int32_t HOST_CALL GetUnitCount() override;
  void HOST_CALL GetUnitName(std::int32_t index, HostStr* result) override;
  HostWindow HOST_CALL GetParentHandle() override;

 private:
  void Note(std::string entry);
  HostBool Unexpected(int slot);

  std::vector<std::string> record_;
  std::optional<std::string> project_;
  HostWindow window_ = 0;
};

}  // namespace vantrel::hostapp
