#pragma once

#include <cstdint>

#include "host/HostTypes.h"
#include "host/TInterface.h"

namespace vantrel::host {

// How the host files an expert; 2 puts it among the project experts.
enum class TExpertStyle : std::int32_t { Standard = 0, Form = 1, Project = 2, AddIn = 3 };

// The expert interface the host lists in its gallery and runs. Slots 3 to 12
// follow the three of TInterface, in this order. Every string operation
// stores its result in *result (releasing what was there) or, where stated,
// leaves it untouched.
class TIExpert : public TInterface {
 public:
  virtual void HOST_CALL GetName(HostStr* result) = 0;       // Slot 3.
  virtual void HOST_CALL GetAuthor(HostStr* result) = 0;     // Slot 4.
  virtual void HOST_CALL GetComment(HostStr* result) = 0;    // Slot 5.
  virtual void HOST_CALL GetPage(HostStr* result) = 0;       // Slot 6.
  virtual HostIconHandle HOST_CALL GetGlyph() = 0;           // Slot 7.
  virtual TExpertStyle HOST_CALL GetStyle() = 0;             // Slot 8.
  virtual std::uint32_t HOST_CALL GetState() = 0;            // Slot 9: a set of state flags.
  virtual void HOST_CALL GetIDString(HostStr* result) = 0;   // Slot 10.
  virtual void HOST_CALL GetMenuText(HostStr* result) = 0;   // Slot 11.
  virtual void HOST_CALL Execute() = 0;                      // Slot 12: run the expert.

 protected:
  ~TIExpert() = default;
};

}  // namespace vantrel::host
