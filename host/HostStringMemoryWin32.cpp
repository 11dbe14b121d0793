#include <windows.h>

#include "host/HostStringMemory.h"

namespace vantrel::host {

void* HostStrAllocate(std::size_t bytes) { return HeapAlloc(GetProcessHeap(), 0, bytes); }

void HostStrFree(void* block) { HeapFree(GetProcessHeap(), 0, block); }

}  // namespace vantrel::host
