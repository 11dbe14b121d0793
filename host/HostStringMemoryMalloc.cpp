#include <cstdlib>

#include "host/HostStringMemory.h"

namespace vantrel::host {

void* HostStrAllocate(std::size_t bytes) { return std::malloc(bytes); }

void HostStrFree(void* block) { std::free(block); }

}  // namespace vantrel::host
