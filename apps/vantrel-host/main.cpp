// vantrel-host: a stand-in for the IDE that loads the wizard's library,
// shows its gallery and opens the project the wizard writes.

#include <X11/Xlib.h>

#include <FL/Fl.H>
#include <FL/x.H>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "apps/vantrel-host/ExpertLoader.h"
#include "apps/vantrel-host/Gallery.h"
#include "apps/vantrel-host/GalleryDialog.h"
#include "apps/vantrel-host/HostMainWindow.h"
#include "apps/vantrel-host/HostOptions.h"
#include "apps/vantrel-host/HostToolServices.h"

namespace {

using namespace vantrel::hostapp;

constexpr int kExitOk = 0;
constexpr int kExitNoExpert = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNoDisplay = 3;

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

// Loads the named libraries, or the wizard's own from where it is built or
// installed. False when no expert got registered.
bool LoadExperts(ExpertLoader& loader, const Gallery& gallery, const HostOptions& options) {
  std::vector<std::string> paths = options.experts;
  if (paths.empty()) {
    for (const auto& candidate : ExpertLoader::DefaultLibraryPaths(ProgramDirectory()))
      if (std::filesystem::exists(candidate)) {
        paths.push_back(candidate);
        break;
      }
    if (paths.empty()) std::cerr << "vantrel-host: cannot find libvantrel-expert.so; name it with --expert\n";
  }
  for (const auto& path : paths) {
    std::string error;
    if (!loader.Load(path, error)) std::cerr << "vantrel-host: " << error << "\n";
  }
  return !gallery.Entries().empty();
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  auto options = ParseHostOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::cerr << "vantrel-host: " << error << "; try vantrel-host --help\n";
    return kExitUsage;
  }
  if (options->help) {
    std::cout << HostHelpText();
    return kExitOk;
  }
  if (!options->list && !OpenDisplay()) {
    std::cerr << "vantrel-host: no display to open windows on (DISPLAY is not set or cannot be reached).\n"
                 "To write a project without windows, use: vantrel new NAME --location DIR\n"
                 "To see the gallery without windows, use: vantrel-host --list\n";
    return kExitNoDisplay;
  }

  HostToolServices services;
  Gallery gallery;
  ExpertLoader loader(services, gallery);  // Declared last: unloads first.

  if (options->list) {
    if (!LoadExperts(loader, gallery, *options)) return kExitNoExpert;
    for (const auto& line : gallery.ListLines()) std::cout << line << "\n";
    return kExitOk;
  }

  std::function<void()> openGallery = [&gallery] {
    if (const GalleryEntry* entry = PickFromGallery(gallery)) entry->expert->Execute();
  };
  HostMainWindow window(openGallery);
  services.OnRecord = [&window, &services](const std::string& entry) {
    std::cout << "vantrel-host: " << entry << std::endl;
    window.AddRecord(entry);
    const auto& project = services.CurrentProject();
    window.ShowProject(project ? &*project : nullptr);
  };
  window.Show();
  services.SetParentWindow(window.Handle());
  if (!LoadExperts(loader, gallery, *options)) return kExitNoExpert;
  std::cout << "vantrel-host: ready" << std::endl;
  if (options->gallery)
    Fl::add_timeout(0.0, [](void* open) { (*static_cast<std::function<void()>*>(open))(); }, &openGallery);
  Fl::run();
  return kExitOk;
}
