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
  virtual HostBool CloseProject() = 0;                          // Slot 3.
  virtual HostBool OpenProject(HostStr projectName) = 0;        // Slot 4.
  virtual HostBool SaveProject() = 0;                           // Slot 5.
  virtual HostBool CloseFile(HostStr fileName) = 0;             // Slot 6.
  virtual HostBool SaveFile(HostStr fileName) = 0;              // Slot 7.
  virtual HostBool ReloadFile(HostStr fileName) = 0;            // Slot 8.
  virtual HostBool OpenFile(HostStr fileName) = 0;              // Slot 9.
  virtual HostBool IsFileOpen(HostStr fileName) = 0;            // Slot 10.
  virtual void GetProjectName(HostStr* result) = 0;             // Slot 11.
  virtual std::int32_t GetUnitCount() = 0;                      // Slot 12.
  virtual void GetUnitName(std::int32_t index, HostStr* result) = 0;  // Slot 13.
  virtual HostWindow GetParentHandle() = 0;                     // Slot 14.

 protected:
  ~TIToolServices() = default;
};

// What the host passes to the entry point.
using RegisterExpertProc = HostBool (*)(TIExpert* expert);
using TerminateProc = void (*)();

}  // namespace vantrel::host
