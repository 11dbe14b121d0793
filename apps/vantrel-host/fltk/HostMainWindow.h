#pragma once

#include <functional>
#include <memory>
#include <string>

#include "host/HostTypes.h"

class Fl_Double_Window;
class Fl_Box;
class Fl_Browser;

namespace vantrel::hostapp {

// The stand-in IDE's main window: a "File, New..." command that opens the
// gallery, the current project (its makefile's path and its files), and the
// record of what experts asked of the host.
class HostMainWindow {
 public:
  explicit HostMainWindow(std::function<void()> onNew);
  ~HostMainWindow();

  void Show();
  // The X window id, once shown; what the tool services give as parent.
  host::HostWindow Handle() const;

  // Shows the project whose makefile is at path, or none.
  void ShowProject(const std::string* makefilePath);
  void AddRecord(const std::string& entry);

 private:
  std::function<void()> onNew_;
  std::unique_ptr<Fl_Double_Window> window_;
  Fl_Box* project_ = nullptr;
  Fl_Browser* files_ = nullptr;
  Fl_Browser* record_ = nullptr;
};

}  // namespace vantrel::hostapp
