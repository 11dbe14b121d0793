#pragma once

#include <cstddef>
#include <cstdint>

#include "host/HostTypes.h"

namespace vantrel::host {

// The base of every interface the host and the library pass to each other.
// The host calls operations by their position in the object's table of
// virtual operations, so the declaration order here is the slot order:
//   0 AddRef, 1 Release, 2 GetVersion.
// The object's layout is that table's pointer followed by one 32-bit
// reference count (checked in TInterface.cpp). Every operation uses the
// host's calling convention (HOST_CALL). There is deliberately no virtual destructor: it would
// take slots of its own. A class whose objects are destroyed by Release
// overrides Release and deletes itself as its own (final) type.
class TInterface {
 public:
  TInterface() = default;
  TInterface(const TInterface&) = delete;
  TInterface& operator=(const TInterface&) = delete;

  // Slot 0: one more reference; returns the new count.
  virtual std::int32_t HOST_CALL AddRef();
  // Slot 1: one reference less; returns the new count.
  virtual std::int32_t HOST_CALL Release();
  // Slot 2: the version of the interfaces, 3.
  virtual std::int32_t HOST_CALL GetVersion();

  std::int32_t RefCount() const { return refCount_; }

  // The offset of the reference count, right after the table pointer.
  static constexpr std::size_t kRefCountOffset = sizeof(void*);

 protected:
  ~TInterface() = default;

 private:
  // Checks at compile time that the layout is the one the host reads.
  static void CheckLayout();

  std::int32_t refCount_ = 1;
};

}  // namespace vantrel::host
