#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vantrel::hostapp {

// The stand-in IDE's main window: File, New... (and Ctrl+N, and a New...
// button) opens the gallery; below are the current project (its makefile's
// path and its files) and the record of what experts asked of the host.
class HostMainWindow {
 public:
  explicit HostMainWindow(std::function<void()> onNew);
  HostMainWindow(const HostMainWindow&) = delete;
  HostMainWindow& operator=(const HostMainWindow&) = delete;

  HWND Handle() const { return window_; }

  // Shows the project whose makefile is at path, or none.
  void ShowProject(const std::string* makefilePath);
  void AddRecord(const std::string& entry);

  // Opens the gallery as soon as the message loop runs.
  void OpenGalleryLater() const;

  // Runs the program's message loop until the window is closed.
  int Run();

 private:
  static LRESULT Proc(void* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::function<void()> onNew_;
  HWND window_ = nullptr;
  HWND project_ = nullptr;
  HWND files_ = nullptr;
  HWND record_ = nullptr;
};

}  // namespace vantrel::hostapp
