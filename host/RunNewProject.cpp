#include "host/RunNewProject.h"

#include <memory>

#include "platform/toolkit/Application.h"
#include "wizard/Newdialog.h"

namespace vantrel::host {

void RunNewProject(TApplication& application, ProjectOpener* opener) {
  // Held so that the dialog, and with it the wizard it owns, is destroyed
  // however the run ends.
  auto dialog = std::make_unique<TNewDlg>(&application, opener);
  if (dialog->ShowModal() == mrOk) dialog->RunWizard();
}

}  // namespace vantrel::host
