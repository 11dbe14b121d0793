#include "host/TInterface.h"

namespace vantrel::host {

std::int32_t HOST_CALL TInterface::AddRef() { return ++refCount_; }

std::int32_t HOST_CALL TInterface::Release() { return --refCount_; }

std::int32_t HOST_CALL TInterface::GetVersion() { return 3; }

// The host sees an object as the pointer to its table of operations followed
// by a 32-bit reference count, and nothing else. The class is not standard
// layout (it has virtual operations), which makes offsetof conditionally
// supported; the compilers this builds with support it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
void TInterface::CheckLayout() {
  static_assert(sizeof(std::int32_t) == 4);
  static_assert(offsetof(TInterface, refCount_) == kRefCountOffset);
  static_assert(sizeof(TInterface) == kRefCountOffset + (sizeof(void*) == 4 ? 4 : 8));
}
#pragma GCC diagnostic pop

}  // namespace vantrel::host
