#include "host/ExpertLibrary.h"
#include "platform/fs/Win32FileSystem.h"
#include "platform/toolkit/Application.h"
#include "platform/win32/Win32Backend.h"

namespace vantrel::host {
namespace {

// The dialogs are the system's own windows and controls, owned by the
// host's window.
struct LibraryState {
  Win32FileSystem files;
  win32::Win32Backend backend;
  TApplication application{backend, files};
  ExpertLibrary library{application};
};

}  // namespace

ExpertLibrary& TheExpertLibrary() {
  static LibraryState state;
  return state.library;
}

}  // namespace vantrel::host
