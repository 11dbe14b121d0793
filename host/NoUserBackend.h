#pragma once

#include "platform/toolkit/Backend.h"

namespace vantrel::host {

// The backend of a library loaded where there is no display: there is no
// user to answer, so every form ends with Cancel as soon as it is shown and
// every message box gets the answer that declines (Cancel, or No, or OK
// when that is the only button). It keeps no record of what it was asked:
// the library lives as long as the host, and a record kept per run would
// grow with every run.
class NoUserBackend final : public Backend {
 public:
  void RunModal(TForm& form) override;
  TModalResult ShowMessageBox(const MessageBoxRequest& request) override;
};

}  // namespace vantrel::host
