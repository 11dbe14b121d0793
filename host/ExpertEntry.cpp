// The one function the host looks up in the library.

#include "host/ExpertLibrary.h"

extern "C" __attribute__((visibility("default"))) vantrel::host::HostBool INITEXPERT0017(
    vantrel::host::TIToolServices* toolServices, vantrel::host::RegisterExpertProc registerProc,
    vantrel::host::TerminateProc* terminate) {
  // The host is not C++: nothing may be thrown back into it.
  try {
    return vantrel::host::TheExpertLibrary().Register(toolServices, registerProc, terminate);
  } catch (...) {
    return false;
  }
}
