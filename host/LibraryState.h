#pragma once

#include <memory>

#include "host/ExpertLibrary.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/Backend.h"

namespace vantrel::host {

// What a loaded library holds until the host unloads it: the system's file
// system, the backend its dialogs are shown by, the application object over
// both, and the library itself. Each build's TheExpertLibrary makes one.
template <typename Files>
struct LibraryState {
  explicit LibraryState(std::unique_ptr<Backend> dialogs) : backend(std::move(dialogs)) {}
  Files files;
  std::unique_ptr<Backend> backend;
  TApplication application{*backend, files};
  ExpertLibrary library{application};
};

}  // namespace vantrel::host
