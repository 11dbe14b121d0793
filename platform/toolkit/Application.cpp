#include "platform/toolkit/Application.h"

#include "platform/toolkit/Backend.h"
#include "platform/toolkit/Form.h"

namespace vantrel {

TApplication::TApplication(Backend& backend, FileSystem& files)
    : TComponent(nullptr), backend_(backend), files_(files) {
  backend_.application_ = this;
}

TApplication::~TApplication() {
  // The forms still owned go while the application can still serve them.
  while (!Components().empty()) delete Components().back();
  if (backend_.application_ == this) backend_.application_ = nullptr;
}

TModalResult TApplication::MessageBox(const std::string& text, const std::string& caption,
                                      MessageIcon icon, MessageButtons buttons, TModalResult defaultAnswer) {
  const TModalResult answer =
      backend_.ShowMessageBox(MessageBoxRequest{text, caption, icon, buttons, defaultAnswer, handle_});
  if (TForm* beneath = ModalForm()) beneath->InputReturned();
  return answer;
}

void TApplication::ShowException(const std::exception& error) {
  std::string text = error.what();
  if (text.empty()) text = "An unexpected error occurred.";
  MessageBox(text, title_, MessageIcon::Error, MessageButtons::Ok);
}

void TApplication::HandleException() {
  try {
    throw;
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    MessageBox("An unexpected error occurred.", title_, MessageIcon::Error, MessageButtons::Ok);
  }
}

}  // namespace vantrel
