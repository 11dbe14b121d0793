#pragma once

#include <cstddef>

namespace vantrel::host {

// The one allocator of counted-string blocks. It is the process's own, not
// this library's, so that the host (or any other module of the process) can
// free a string the library made, and the other way round: the C library's
// heap on POSIX systems, the process heap (GetProcessHeap) on Windows.
// HostStrAllocate returns null when there is no memory left.
void* HostStrAllocate(std::size_t bytes);
void HostStrFree(void* block);

}  // namespace vantrel::host
