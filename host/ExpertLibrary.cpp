#include "host/ExpertLibrary.h"

#include "host/ToolServicesOpener.h"
#include "host/WizardExpert.h"
#include "platform/toolkit/Application.h"

namespace vantrel::host {
namespace {

// The host keeps a termination procedure for each expert library; ours has
// nothing to undo.
void HOST_CALL NothingToTerminate() {}

ExpertLibrary* active = nullptr;

}  // namespace

ExpertLibrary::ExpertLibrary(TApplication& application) : application_(application) { active = this; }

ExpertLibrary::~ExpertLibrary() {
  if (active == this) active = nullptr;
}

ExpertLibrary* ExpertLibrary::Active() { return active; }

HostBool ExpertLibrary::Register(TIToolServices* toolServices, RegisterExpertProc registerProc,
                                 TerminateProc* terminate) {
  // Registered already, or nothing to register with. A host that offers no
  // registration procedure could never own the expert; register nothing
  // rather than leak an object nobody holds.
  if (toolServices_ != nullptr || toolServices == nullptr || registerProc == nullptr) return false;
  toolServices_ = toolServices;
  opener_ = std::make_unique<ToolServicesOpener>(*toolServices_);
  application_.SetHandle(toolServices_->GetParentHandle());
  if (terminate != nullptr) *terminate = NothingToTerminate;
  registerProc(new MFCVantrel);
  return true;
}

}  // namespace vantrel::host
