#include "wizard/Dirchoose.h"

#include <functional>

#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Application.h"
#include "wizard/FormDescriptions.h"

namespace vantrel {

TDirChooser* DirChooser = nullptr;

TDirChooser::TDirChooser(TComponent* owner) : TForm(owner, "TDirChooser") {
  BuildForm(*this, DirChooserForm());
  Label1 = Find<TLabel>("Label1");
  DirName = Find<TEdit>("DirName");
  DirectoryListBox = Find<TDirectoryListBox>("DirectoryListBox");
  Label2 = Find<TLabel>("Label2");
  DriveComboBox = Find<TDriveComboBox>("DriveComboBox");
  OKBtn = Find<TButton>("OKBtn");
  CancelBtn = Find<TButton>("CancelBtn");
  NetworkBtn = Find<TButton>("NetworkBtn");
  Panel1 = Find<TPanel>("Panel1");

  // The list starts on the process's current directory, before any handler
  // is bound, as a freshly created list does.
  DirectoryListBox->SetDirectory(Application()->Files().CurrentDirectory());

  using namespace std::placeholders;
  DirectoryListBox->OnChange = std::bind(&TDirChooser::DirectoryListBoxChange, this, _1);
  DriveComboBox->OnChange = std::bind(&TDirChooser::DirectoryListBoxChange, this, _1);
  DirName->OnKeyPress = std::bind(&TDirChooser::DirNameKeyPress, this, _1, _2);
  CancelBtn->OnClick = std::bind(&TDirChooser::CancelBtnClick, this, _1);
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
