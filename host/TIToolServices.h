#pragma once

#include <cstdint>

#include "host/HostTypes.h"
#include "host/TIExpert.h"
#include "host/TInterface.h"

namespace vantrel::host {

// The host's services for experts. The library calls only three of them:
// CloseProject (slot 3), OpenFile (slot 9) and GetParentHandle (slot 14).
// The others are the host's own and are declared so that the slots keep
// their positions.
class TIToolServices : public TInterface {
 public:
  virtual HostBool HOST_CALL CloseProject() = 0;                          // Slot 3.
  virtual HostBool HOST_CALL OpenProject(HostStr projectName) = 0;        // Slot 4.
  virtual HostBool HOST_CALL SaveProject() = 0;                           // Slot 5.
  virtual HostBool HOST_CALL CloseFile(HostStr fileName) = 0;             // Slot 6.
  virtual HostBool HOST_CALL SaveFile(HostStr fileName) = 0;              // Slot 7.
  virtual HostBool HOST_CALL ReloadFile(HostStr fileName) = 0;            // Slot 8.
  virtual HostBool HOST_CALL OpenFile(HostStr fileName) = 0;              // Slot 9.
  virtual HostBool HOST_CALL IsFileOpen(HostStr fileName) = 0;            // Slot 10.
  virtual void HOST_CALL GetProjectName(HostStr* result) = 0;             // Slot 11.
  virtual std::int32_t HOST_CALL GetUnitCount() = 0;                      // Slot 12.
  virtual void HOST_CALL GetUnitName(std::int32_t index, HostStr* result) = 0;  // Slot 13.
  virtual HostWindow HOST_CALL GetParentHandle() = 0;                     // Slot 14.

 protected:
  ~TIToolServices() = default;
};

// What the host passes to the entry point: its registration procedure, and
// a variable for the library's termination procedure.
using RegisterExpertProc = HostBool(HOST_CALL*)(TIExpert* expert);
using TerminateProc = void(HOST_CALL*)();

// The entry point the host looks up by name, INITEXPERT0017: true when an
// expert was registered.
using ExpertEntryProc = HostBool(HOST_CALL*)(TIToolServices* toolServices, RegisterExpertProc registerProc,
                                             TerminateProc* terminate);

}  // namespace vantrel::host
