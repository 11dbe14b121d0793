// vantrel-host.exe: a stand-in for the IDE on Windows. It loads the
// wizard's library, shows its gallery and opens the project the wizard
// writes, printing each request on its standard output.

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "apps/vantrel-host/ExpertLoader.h"
#include "apps/vantrel-host/HostOptions.h"
#include "apps/vantrel-host/HostToolServices.h"
#include "apps/vantrel-host/win32/GalleryDialog.h"
#include "apps/vantrel-host/win32/HostMainWindow.h"

using namespace vantrel::hostapp;

int main(int argc, char** argv) {
  int status = kExitOk;
  const auto options = ReadHostCommandLine(argc, argv, status);
  if (!options) return status;

  HostToolServices services;
  Gallery gallery;
  ExpertLoader loader(services, gallery);  // Declared last: unloads first.
  if (options->list) return loader.ListGallery(options->experts);

  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  HWND mainWindow = nullptr;
  HostMainWindow window([&gallery, &mainWindow] {
    if (const GalleryEntry* entry = PickFromGallery(gallery, mainWindow)) entry->expert->Execute();
  });
  mainWindow = window.Handle();
  if (mainWindow == nullptr) {
    Print(stderr, "vantrel-host: cannot open the main window\n");
    return kExitNoDisplay;
  }
  services.OnRecord = [&window, &services](const std::string& entry) {
    Print(stdout, "vantrel-host: " + entry + "\n");
    window.AddRecord(entry);
    const auto& project = services.CurrentProject();
    window.ShowProject(project ? &*project : nullptr);
  };
  services.SetParentWindow(reinterpret_cast<HostWindow>(mainWindow));
  std::string problems;
  const bool loaded = loader.LoadAll(options->experts, problems);
  Print(stderr, problems);
  if (!loaded) return kExitNoExpert;
  Print(stdout, "vantrel-host: ready\n");
  if (options->gallery) window.OpenGalleryLater();
  return window.Run();
}
