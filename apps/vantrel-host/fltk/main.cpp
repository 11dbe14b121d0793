// vantrel-host: a stand-in for the IDE that loads the wizard's library,
// shows its gallery and opens the project the wizard writes.

#include <X11/Xlib.h>

#include <FL/Fl.H>
#include <FL/x.H>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "apps/vantrel-host/ExpertLoader.h"
#include "apps/vantrel-host/Gallery.h"
#include "apps/vantrel-host/HostOptions.h"
#include "apps/vantrel-host/HostToolServices.h"
#include "apps/vantrel-host/fltk/GalleryDialog.h"
#include "apps/vantrel-host/fltk/HostMainWindow.h"

namespace {

using namespace vantrel::hostapp;

// Opens the display for FLTK. A connection is sometimes refused while the
// server is busy, so a few attempts are made before giving up.
bool OpenDisplay() {
  if (std::getenv("DISPLAY") == nullptr || *std::getenv("DISPLAY") == '\0') return false;
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (Display* display = XOpenDisplay(nullptr)) {
      fl_open_display(display);
      return true;
    }
    usleep(100 * 1000);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  int status = kExitOk;
  const auto options = ReadHostCommandLine(argc, argv, status);
  if (!options) return status;
  if (!options->list && !OpenDisplay()) {
    Print(stderr,
          "vantrel-host: no display to open windows on (DISPLAY is not set or cannot be reached).\n"
          "To write a project without windows, use: vantrel new NAME --location DIR\n"
          "To see the gallery without windows, use: vantrel-host --list\n");
    return kExitNoDisplay;
  }

  HostToolServices services;
  Gallery gallery;
  ExpertLoader loader(services, gallery);  // Declared last: unloads first.

  if (options->list) return loader.ListGallery(options->experts);

  std::function<void()> openGallery = [&gallery] {
    if (const GalleryEntry* entry = PickFromGallery(gallery)) entry->expert->Execute();
  };
  HostMainWindow window(openGallery);
  services.OnRecord = [&window, &services](const std::string& entry) {
    Print(stdout, "vantrel-host: " + entry + "\n");
    window.AddRecord(entry);
    const auto& project = services.CurrentProject();
    window.ShowProject(project ? &*project : nullptr);
  };
  window.Show();
  services.SetParentWindow(window.Handle());
  std::string problems;
  const bool loaded = loader.LoadAll(options->experts, problems);
  Print(stderr, problems);
  if (!loaded) return kExitNoExpert;
  Print(stdout, "vantrel-host: ready\n");
  if (options->gallery)
    Fl::add_timeout(0.0, [](void* open) { (*static_cast<std::function<void()>*>(open))(); }, &openGallery);
  Fl::run();
  return kExitOk;
}
