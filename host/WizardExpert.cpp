#include "host/WizardExpert.h"

#include "host/ExpertGlyph.h"
#include "host/ExpertLibrary.h"
#include "host/HostString.h"
#include "host/RunNewProject.h"
#include "platform/toolkit/DroppedErrors.h"

namespace vantrel::host {

std::int32_t HOST_CALL MFCVantrel::Release() {
  const std::int32_t count = TInterface::Release();
  if (count == 0) delete this;
  return count;
}

void HOST_CALL MFCVantrel::GetName(HostStr* result) { HostStrAssign(result, kName); }

void HOST_CALL MFCVantrel::GetAuthor(HostStr* result) { HostStrAssign(result, kAuthor); }

void HOST_CALL MFCVantrel::GetComment(HostStr* result) { HostStrAssign(result, kComment); }

void HOST_CALL MFCVantrel::GetPage(HostStr* result) { HostStrAssign(result, kPage); }

HostIconHandle HOST_CALL MFCVantrel::GetGlyph() { return ExpertGlyph(kGlyphIcon); }

TExpertStyle HOST_CALL MFCVantrel::GetStyle() { return TExpertStyle::Project; }

// The expert has no state to report: no flag is set.
std::uint32_t HOST_CALL MFCVantrel::GetState() { return 0; }

void HOST_CALL MFCVantrel::GetIDString(HostStr* result) { HostStrAssign(result, kIDString); }

// The expert has no menu item: the host's empty result stays as it is.
void HOST_CALL MFCVantrel::GetMenuText(HostStr* /*result*/) {}

void HOST_CALL MFCVantrel::Execute() {
  // Nothing may escape into the host, which knows nothing of our errors.
  DropErrors([] {
    if (ExpertLibrary* library = ExpertLibrary::Active())
      RunNewProject(library->Application(), library->Opener());
  });
}

}  // namespace vantrel::host
