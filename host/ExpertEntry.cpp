// The one function the host looks up in the library.

#include <type_traits>

#include "host/ExpertLibrary.h"
#include "platform/toolkit/DroppedErrors.h"

// On Windows the name is exported undecorated through host/expert.def;
// elsewhere it is the one visible symbol besides the dialog instances.
#if defined(_WIN32)
#define VANTREL_ENTRY_VISIBLE
#else
#define VANTREL_ENTRY_VISIBLE __attribute__((visibility("default")))
#endif

extern "C" VANTREL_ENTRY_VISIBLE vantrel::host::HostBool HOST_CALL INITEXPERT0017(
    vantrel::host::TIToolServices* toolServices, vantrel::host::RegisterExpertProc registerProc,
    vantrel::host::TerminateProc* terminate) {
  // The host is not C++: nothing may be thrown back into it.
  return vantrel::DropErrors(vantrel::host::HostBool(false), [&] {
    return vantrel::host::TheExpertLibrary().Register(toolServices, registerProc, terminate);
  });
}

// The entry point has exactly the type the host calls it through.
static_assert(std::is_same_v<decltype(&INITEXPERT0017), vantrel::host::ExpertEntryProc>);
