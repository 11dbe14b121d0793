#include <memory>

#include "host/ExpertLibrary.h"
#include "host/NoUserBackend.h"
#include "platform/fltk/FltkBackend.h"
#include "platform/fs/PosixFileSystem.h"
#include "platform/toolkit/Application.h"

namespace vantrel::host {
namespace {

// The dialogs go to real windows when the process has a display; without
// one they have no user, and every form closes as cancelled.
std::unique_ptr<Backend> MakeBackend() {
  if (fltk::FltkBackend::DisplayAvailable()) return std::make_unique<fltk::FltkBackend>();
  return std::make_unique<NoUserBackend>();
}

struct LibraryState {
  PosixFileSystem files;
  std::unique_ptr<Backend> backend = MakeBackend();
  TApplication application{*backend, files};
  ExpertLibrary library{application};
};

}  // namespace

ExpertLibrary& TheExpertLibrary() {
  static LibraryState state;
  return state.library;
}

}  // namespace vantrel::host
