#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/toolkit/Backend.h"
#include "platform/testing/UserDriver.h"  // Every script acts through one.

namespace vantrel {

// A backend without a screen. Each form shown modally is handed to the next
// script queued for it, which acts on it as a user would, through a
// UserDriver; a form shown from inside a script (a nested modal form) takes
// the next script in the queue. Message boxes are recorded and answered by
// a handler (OK, or the first button, by default). Whatever goes against
// the script (a form no script expects, a script that leaves its form
// open) is recorded as a problem and the form ends with Cancel.
class HeadlessBackend : public Backend {
 public:
  using FormScript = std::function<void(UserDriver&)>;
  using MessageAnswer = std::function<TModalResult(const MessageBoxRequest&)>;

  // Queues the script for the next form of that class to be shown.
  void Expect(std::string formClass, FormScript script);
  void AnswerMessages(MessageAnswer answer) { answer_ = std::move(answer); }
  // A script acts at once; a test of the time after a form opens sets one.
  void SetDoubleClickTime(std::chrono::milliseconds time) { doubleClickTime_ = time; }
  std::chrono::milliseconds DoubleClickTime() const override { return doubleClickTime_; }

  // The class names of the forms shown, in order.
  const std::vector<std::string>& Shown() const { return shown_; }
  const std::vector<MessageBoxRequest>& Messages() const { return messages_; }
  const std::vector<std::string>& Problems() const { return problems_; }
  // Scripts still waiting for their form.
  std::size_t Pending() const { return scripts_.size(); }

  void RunModal(TForm& form) override;
  TModalResult ShowMessageBox(const MessageBoxRequest& request) override;

  void Problem(std::string text) { problems_.push_back(std::move(text)); }

 private:
  struct Queued {
    std::string formClass;
    FormScript script;
  };
  std::deque<Queued> scripts_;
  MessageAnswer answer_;
  std::vector<std::string> shown_;
  std::vector<MessageBoxRequest> messages_;
  std::vector<std::string> problems_;
  std::chrono::milliseconds doubleClickTime_{0};
};

}  // namespace vantrel
