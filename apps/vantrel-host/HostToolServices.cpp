#include "apps/vantrel-host/HostToolServices.h"

#include "host/HostString.h"

namespace vantrel::hostapp {

void HostToolServices::Note(std::string entry) {
  record_.push_back(entry);
  if (OnRecord) OnRecord(entry);
}

HostBool HostToolServices::Unexpected(int slot) {
  Note("unexpected slot " + std::to_string(slot));
  return false;
}

HostBool HOST_CALL HostToolServices::CloseProject() {
  project_.reset();
  Note("close project");
  return true;
}

HostBool HOST_CALL HostToolServices::OpenFile(HostStr fileName) {
  // A makefile becomes the current project; the path is kept exactly as the
  // expert sent it.
  project_ = std::string(HostStrView(fileName));
  Note("open " + *project_);
  return true;
}

HostWindow HOST_CALL HostToolServices::GetParentHandle() {
  Note("parent window");
  return window_;
}

HostBool HOST_CALL HostToolServices::OpenProject(HostStr) { return Unexpected(4); }
HostBool HOST_CALL HostToolServices::SaveProject() { return Unexpected(5); }
HostBool HOST_CALL HostToolServices::CloseFile(HostStr) { return Unexpected(6); }
HostBool HOST_CALL HostToolServices::SaveFile(HostStr) { return Unexpected(7); }
HostBool HOST_CALL HostToolServices::ReloadFile(HostStr) { return Unexpected(8); }
HostBool HOST_CALL HostToolServices::IsFileOpen(HostStr) { return Unexpected(10); }
void HOST_CALL HostToolServices::GetProjectName(HostStr*) { Unexpected(11); }
std::int32_t HOST_CALL HostToolServices::GetUnitCount() { return Unexpected(12); }
void HOST_CALL HostToolServices::GetUnitName(std::int32_t, HostStr*) { Unexpected(13); }

}  // namespace vantrel::hostapp
