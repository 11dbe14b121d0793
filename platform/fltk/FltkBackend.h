#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/toolkit/Backend.h"

namespace vantrel::fltk {

class FormWindow;

// The toolkit's forms in real windows on an X display, through FLTK. Each
// form gets a window of its client size, centred on the screen and kept
// above the host's window; the modal loop runs FLTK's event loop until the
// form has a modal result. Message boxes are small modal windows of their
// own. Nothing here decides anything: the controls do.
class FltkBackend : public Backend {
 public:
  FltkBackend();
  ~FltkBackend() override;

  // True when an X display can be opened.
  static bool DisplayAvailable();

  void RunModal(TForm& form) override;
  TModalResult ShowMessageBox(const MessageBoxRequest& request) override;
  void FormVisibilityChanged(TForm& form, bool visible) override;
  void ControlChanged(TControl& control) override;
  void ControlDestroyed(TControl& control) override;

 private:
  FormWindow* WindowOf(const TForm& form) const;
  // The window that a new window should stay above: the innermost modal
  // form's, or the host's.
  unsigned long ParentWindow(const TForm* except) const;

  std::map<const TForm*, std::unique_ptr<FormWindow>> windows_;
  std::vector<const TForm*> modal_;
};

}  // namespace vantrel::fltk
