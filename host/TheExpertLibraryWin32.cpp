#include <memory>

#include "host/LibraryState.h"
#include "platform/fs/Win32FileSystem.h"
#include "platform/win32/Win32Backend.h"

namespace vantrel::host {

// The dialogs are the system's own windows and controls, owned by the
// host's window.
ExpertLibrary& TheExpertLibrary() {
  static LibraryState<Win32FileSystem> state(std::make_unique<win32::Win32Backend>());
  return state.library;
}

}  // namespace vantrel::host
