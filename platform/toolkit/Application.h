#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "platform/toolkit/Component.h"
#include "platform/toolkit/MessageBox.h"

namespace vantrel {

class Backend;
class FileSystem;
class TForm;

// The application object: the root owner of the forms, the backend that
// renders them (one application to a backend), the file system the drive and directory controls browse,
// and the host's parent window, under which every form is shown.
class TApplication : public TComponent {
 public:
  TApplication(Backend& backend, FileSystem& files);
  ~TApplication() override;

  Backend& WindowBackend() const { return backend_; }
  FileSystem& Files() const { return files_; }

  // The host's main window, the parent of every form (0 for none).
  std::uintptr_t Handle() const { return handle_; }
  void SetHandle(std::uintptr_t handle) { handle_ = handle; }

  // The innermost form in a modal loop, or nullptr. While one runs, it is
  // the only form that takes the user's input: its owners and the host's
  // window take none, as a modal dialog disables the windows beneath it.
  TForm* ModalForm() const { return modal_.empty() ? nullptr : modal_.back(); }
  bool TakesInput(const TForm& form) const { return modal_.empty() || modal_.back() == &form; }
  // The forms in a modal loop, innermost last: the one modal stack, which
  // the backends read rather than keep their own.
  const std::vector<TForm*>& ModalForms() const { return modal_; }

  // The caption of the error box.
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  TModalResult MessageBox(const std::string& text, const std::string& caption,
                          MessageIcon icon, MessageButtons buttons, TModalResult defaultAnswer = mrNone);

  // The error box: reports an error that escaped an event handler, with
  // its message, the application's title and an error icon.
  void ShowException(const std::exception& error);
  // Reports the exception being handled; call only inside a catch block.
  void HandleException();

 protected:
  TApplication* AsApplication() override { return this; }

 private:
  friend class TForm;
  std::vector<TForm*> modal_;
  Backend& backend_;
  FileSystem& files_;
  std::uintptr_t handle_ = 0;
  std::string title_ = "Vantrel";
};

}  // namespace vantrel
