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

HostBool HostToolServices::CloseProject() {
  project_.reset();
  Note("close project");
  return true;
}

HostBool HostToolServices::OpenFile(HostStr fileName) {
  // A makefile becomes the current project; the path is kept exactly as the
  // expert sent it.
  project_ = std::string(HostStrView(fileName));
  Note("open " + *project_);
  return true;
}

HostWindow HostToolServices::GetParentHandle() {
  Note("parent window");
  return window_;
}

HostBool HostToolServices::OpenProject(HostStr) { return Unexpected(4); }
HostBool HostToolServices::SaveProject() { return Unexpected(5); }
HostBool HostToolServices::CloseFile(HostStr) { return Unexpected(6); }
HostBool HostToolServices::SaveFile(HostStr) { return Unexpected(7); }
HostBool HostToolServices::ReloadFile(HostStr) { return Unexpected(8); }
HostBool HostToolServices::IsFileOpen(HostStr) { return Unexpected(10); }
void HostToolServices::GetProjectName(HostStr*) { Unexpected(11); }
std::int32_t HostToolServices::GetUnitCount() { return Unexpected(12); }
void HostToolServices::GetUnitName(std::int32_t, HostStr*) { Unexpected(13); }

}  // namespace vantrel::hostapp
