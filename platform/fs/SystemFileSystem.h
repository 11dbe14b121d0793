#pragma once

// The file system of the machine the program runs on.
#if defined(_WIN32)
#include "platform/fs/Win32FileSystem.h"
namespace vantrel {
using SystemFileSystem = Win32FileSystem;
}
#else
#include "platform/fs/PosixFileSystem.h"
namespace vantrel {
using SystemFileSystem = PosixFileSystem;
}
#endif
