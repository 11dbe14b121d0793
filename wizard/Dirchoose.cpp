#include "wizard/Dirchoose.h"

#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Application.h"
#include "wizard/FormDescriptions.h"

namespace vantrel {

TDirChooser* DirChooser = nullptr;

TDirChooser::TDirChooser(TComponent* owner)
    : TForm(owner, "TDirChooser"), built_(*this, DirChooserForm()) {
  // The list starts on the process's current directory, before any handler
  // is bound, as a freshly created list does.
  DirectoryListBox->SetDirectory(Application()->Files().CurrentDirectory());

  DirectoryListBox->OnChange = [this](TControl* sender) { DirectoryListBoxChange(sender); };
  DriveComboBox->OnChange = [this](TControl* sender) { DirectoryListBoxChange(sender); };
  DirName->OnKeyPress = [this](TControl* sender, char& key) { DirNameKeyPress(sender, key); };
  CancelBtn->OnClick = [this](TControl* sender) { CancelBtnClick(sender); };
  DirChooser = this;
  Create();
}

TDirChooser::~TDirChooser() {
  if (DirChooser == this) DirChooser = nullptr;
}

void TDirChooser::DirectoryListBoxChange(TControl*) {
  DirName->SetText(DirectoryListBox->Directory());
}

void TDirChooser::DirNameKeyPress(TControl*, char& key) {
  if (key != kCharEnter) return;
  const std::string typed = DirName->Text();
  // A relative name means a directory below the one the list shows, which
  // the user is looking at.
  const std::string target = DirectoryListBox->Resolve(typed);
  if (!typed.empty() && Application()->Files().DirectoryExists(target)) {
    OKBtn->SetFocus();
    DirectoryListBox->SetDirectory(target);
  } else {
    Application()->MessageBox("The current directoru cannot be changed to '" + typed + "'",
                              "Confirm", MessageIcon::Question, MessageButtons::Ok);
  }
  key = 0;
}

void TDirChooser::CancelBtnClick(TControl*) { Close(); }

}  // namespace vantrel
