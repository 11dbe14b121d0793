#include "host/ExpertLibrary.h"
#include "host/NoUserBackend.h"
#include "platform/fs/Win32FileSystem.h"
#include "platform/toolkit/Application.h"

namespace vantrel::host {
namespace {

// The Windows library has no dialogs of the system's own yet: its forms run
// on the backend for a library without a user, so every one of them closes
// as cancelled.
struct LibraryState {
  Win32FileSystem files;
  NoUserBackend backend;
  TApplication application{backend, files};
  ExpertLibrary library{application};
};

}  // namespace

ExpertLibrary& TheExpertLibrary() {
  static LibraryState state;
  return state.library;
}

}  // namespace vantrel::host
