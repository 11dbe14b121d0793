#include "host/TInterface.h"

namespace vantrel::host {

std::int32_t TInterface::AddRef() { return ++refCount_; }

std::int32_t TInterface::Release() { return --refCount_; }

std::int32_t TInterface::GetVersion() { return 3; }

}  // namespace vantrel::host
