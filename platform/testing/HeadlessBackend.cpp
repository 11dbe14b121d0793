#include "platform/testing/HeadlessBackend.h"

#include "platform/toolkit/Form.h"
#include "platform/testing/UserDriver.h"

namespace vantrel {

void HeadlessBackend::Expect(std::string formClass, FormScript script) {
  scripts_.push_back(Queued{std::move(formClass), std::move(script)});
}

void HeadlessBackend::RunModal(TForm& form) {
  shown_.push_back(form.ClassName());
  if (scripts_.empty()) {
    Problem("no script for " + form.ClassName());
    return;  // The form ends with Cancel.
  }
  Queued next = std::move(scripts_.front());
  scripts_.pop_front();
  if (next.formClass != form.ClassName()) {
    Problem("expected " + next.formClass + " but " + form.ClassName() + " was shown");
    return;
  }
  UserDriver driver(*this, form);
  next.script(driver);
  if (form.ModalResult() == mrNone) Problem("the script left " + form.ClassName() + " open");
}

TModalResult HeadlessBackend::ShowMessageBox(const MessageBoxRequest& request) {
  messages_.push_back(request);
  if (answer_) return answer_(request);
  switch (request.buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: return mrYes;
    default: return mrOk;
  }
}

}  // namespace vantrel
