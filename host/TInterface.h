#pragma once

#include <cstdint>

namespace vantrel::host {

// The base of every interface the host and the library pass to each other.
// The host calls operations by their position in the object's table of
// virtual operations, so the declaration order here is the slot order:
//   0 AddRef, 1 Release, 2 GetVersion.
// The object's layout is that table's pointer followed by one 32-bit
// reference count. There is deliberately no virtual destructor: it would
// take slots of its own. A class whose objects are destroyed by Release
// overrides Release and deletes itself as its own (final) type.
class TInterface {
 public:
  TInterface() = default;
  TInterface(const TInterface&) = delete;
  TInterface& operator=(const TInterface&) = delete;

  // Slot 0: one more reference; returns the new count.
  virtual std::int32_t AddRef();
  // Slot 1: one reference less; returns the new count.
  virtual std::int32_t Release();
  // Slot 2: the version of the interfaces, 3.
  virtual std::int32_t GetVersion();

  std::int32_t RefCount() const { return refCount_; }

 protected:
  ~TInterface() = default;

 private:
  std::int32_t refCount_ = 1;
};

}  // namespace vantrel::host
