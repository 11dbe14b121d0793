// vantrel-host.exe: a stand-in for the IDE on Windows. It loads the
// wizard's library, shows its gallery and opens the project the wizard
// writes, printing each request on its standard output.

#include <windows.h>

#include <commctrl.h>

#include <iostream>
#include <string>
#include <vector>

#include "apps/vantrel-host/ExpertLoader.h"
#include "apps/vantrel-host/HostOptions.h"
#include "apps/vantrel-host/HostToolServices.h"
#include "apps/vantrel-host/win32/GalleryDialog.h"
#include "apps/vantrel-host/win32/HostMainWindow.h"

using namespace vantrel::hostapp;

int main(int argc, char** argv) {
  int status = kExitOk;
  const auto options =
      ReadHostCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, status);
  if (!options) return status;

  HostToolServices services;
  Gallery gallery;
  ExpertLoader loader(services, gallery);  // Declared last: unloads first.
  if (options->list) return loader.PrintGallery(options->experts, std::cout, std::cerr);

  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  HWND mainWindow = nullptr;
  HostMainWindow window([&gallery, &mainWindow] {
    if (const GalleryEntry* entry = PickFromGallery(gallery, mainWindow)) entry->expert->Execute();
  });
  mainWindow = window.Handle();
  if (mainWindow == nullptr) {
    std::cerr << "vantrel-host: cannot open the main window\n";
    return kExitNoDisplay;
  }
  services.OnRecord = [&window, &services](const std::string& entry) {
    std::cout << "vantrel-host: " << entry << std::endl;
    window.AddRecord(entry);
    const auto& project = services.CurrentProject();
    window.ShowProject(project ? &*project : nullptr);
  };
  services.SetParentWindow(reinterpret_cast<HostWindow>(mainWindow));
  if (!loader.LoadAll(options->experts, std::cerr)) return kExitNoExpert;
  std::cout << "vantrel-host: ready" << std::endl;
  if (options->gallery) window.OpenGalleryLater();
  return window.Run();
}
