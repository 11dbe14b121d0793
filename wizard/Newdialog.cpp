#include "wizard/Newdialog.h"

#include <memory>

#include "generator/CodePage.h"
#include "generator/GenerationRun.h"
#include "generator/NameCheck.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/DroppedErrors.h"
#include "wizard/Dirchoose.h"
#include "wizard/DrawPicture.h"
#include "wizard/FormDescriptions.h"
#include "wizard/Mfcvantrel.h"

namespace vantrel {

TNewDlg* NewDlg = nullptr;

TNewDlg::TNewDlg(TComponent* owner, ProjectOpener* opener)
    : TForm(owner, "TNewDlg"), built_(*this, NewDlgForm()), opener_(opener), codePage_(AnsiCodePage()) {
  OnCreate = [this](TControl* sender) { FormCreate(sender); };
  OnShow = [this](TControl* sender) { FormShow(sender); };
  PageControl->OnChanging = [this](TControl* sender, bool& allowChange) { PageControlChanging(sender, allowChange); };
  ProjectName->OnChange = [this](TControl* sender) { ProjectNameChange(sender); };
  ProjectDir->OnChange = [this](TControl* sender) { ProjectNameChange(sender); };
  ProjectName->OnKeyPress = [this](TControl* sender, char& key) { ProjectNameKeyPress(sender, key); };
  ProjectDir->OnKeyPress = [this](TControl* sender, char& key) { ProjectNameKeyPress(sender, key); };
  ProjectDirDialog->OnClick = [this](TControl* sender) { ProjectDirDialogClick(sender); };
  OkBtn->OnClick = [this](TControl* sender) { OkBtnClick(sender); };
  CancelBtn->OnClick = [this](TControl* sender) { CancelBtnClick(sender); };
  NewDlg = this;
  Create();
}

TNewDlg::~TNewDlg() {
  if (NewDlg == this) NewDlg = nullptr;
}

void TNewDlg::FormCreate(TControl*) {
  // The whole current directory, however long it is.
  ProjectDir->SetText(Application()->Files().CurrentDirectory());
  DrawPicture(*Image1, "NEWPROJECT");
  CheckListBox->SetChecked(0, true);
}

void TNewDlg::FormShow(TControl*) { ProjectName->SetFocus(); }

void TNewDlg::PageControlChanging(TControl*, bool& allowChange) {
  // " Projects " is the only page there is to see.
  allowChange = false;
}

void TNewDlg::ProjectNameChange(TControl*) {
  OkBtn->SetEnabled(!ProjectName->Text().empty() && !ProjectDir->Text().empty());
}

void TNewDlg::ProjectNameKeyPress(TControl*, char& key) {
  if (key != kCharEnter) return;
  if (ProjectName->Text().empty()) {
    ProjectName->SetFocus();
  } else if (ProjectDir->Text().empty()) {
    ProjectDir->SetFocus();
    ProjectDirDialogClick(ProjectDirDialog);
  } else {
    // The name is checked when OK is pressed, not here.
    OkBtn->SetFocus();
  }
  key = 0;
}

void TNewDlg::ProjectDirDialogClick(TControl*) {
  auto chooser = std::make_unique<TDirChooser>(this);
  chooser->DirName->SetText(ProjectDir->Text());
  chooser->DirectoryListBox->SetDirectory(ProjectDir->Text());
  if (chooser->ShowModal() == mrOk) ProjectDir->SetText(chooser->DirName->Text());
  ProjectDir->SetFocus();
}

void TNewDlg::OkBtnClick(TControl*) {
  // The button has already set the result OK; a refused name takes it back.
  if (!NameAccepted()) SetModalResult(mrNone);
}

void TNewDlg::CancelBtnClick(TControl*) { Close(); }

bool TNewDlg::NameAccepted() {
  std::optional<std::string> problem = ProjectNameProblem(ProjectName->Text());
  if (!problem) {
    // A name that can never be written in this location is refused now,
    // not after the six steps.
    ProjectSettings settings;
    settings.Name = ProjectName->Text();
    settings.Location = ProjectDir->Text();
    settings.ComputeSeparator(codePage_);
    problem = NameFitProblem(settings, Application()->Files());
  }
  if (!problem) return true;
  Application()->MessageBox(*problem, Application()->Title(), MessageIcon::Warning,
                            MessageButtons::Ok);
  ProjectName->SetFocus();
  ProjectName->SelectAll();
  return false;
}

void TNewDlg::RunWizard() {
  auto wizard = std::make_unique<TVantrel>(this);
  wizard->SetOpener(opener_);
  wizard->SetCodePage(codePage_);
  wizard->Settings().Name = ProjectName->Text();
  wizard->Settings().Location = ProjectDir->Text();
  // Whether anything was generated is the wizard's business; an error
  // escaping it ends the run quietly.
  DropErrors([&wizard] { wizard->ShowModal(); });
}

}  // namespace vantrel
