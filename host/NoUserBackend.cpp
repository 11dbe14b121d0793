#include "host/NoUserBackend.h"

namespace vantrel::host {

// Returning at once leaves the form's result unset, which ends it with
// Cancel.
void NoUserBackend::RunModal(TForm& /*form*/) {}

TModalResult NoUserBackend::ShowMessageBox(const MessageBoxRequest& request) {
  switch (request.buttons) {
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel: return mrCancel;
    case MessageButtons::YesNo: return mrNo;
    case MessageButtons::Ok: break;
  }
  return mrOk;
}

}  // namespace vantrel::host
