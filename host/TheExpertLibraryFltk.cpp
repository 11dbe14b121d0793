#include <memory>

#include "host/LibraryState.h"
#include "host/NoUserBackend.h"
#include "platform/fltk/FltkBackend.h"
#include "platform/fs/PosixFileSystem.h"

namespace vantrel::host {
namespace {

// The dialogs go to real windows when the process has a display; without
// one they have no user, and every form closes as cancelled.
std::unique_ptr<Backend> MakeBackend() {
  if (fltk::FltkBackend::DisplayAvailable()) return std::make_unique<fltk::FltkBackend>();
  return std::make_unique<NoUserBackend>();
}

}  // namespace

ExpertLibrary& TheExpertLibrary() {
  static LibraryState<PosixFileSystem> state(MakeBackend());
  return state.library;
}

}  // namespace vantrel::host
