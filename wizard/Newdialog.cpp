#include "wizard/Newdialog.h"

#include <memory>

#include "generator/CodePage.h"
#include "generator/NameCheck.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Application.h"
#include "wizard/Dirchoose.h"
#include "wizard/DrawPicture.h"
#include "wizard/FormDescriptions.h"
#include "wizard/Mfcvantrel.h"

namespace vantrel {

TNewDlg* NewDlg = nullptr;

TNewDlg::TNewDlg(TComponent* owner, ProjectOpener* opener)
    : TForm(owner, "TNewDlg"), opener_(opener), codePage_(AnsiCodePage()) {
  BuildForm(*this, NewDlgForm());
  PageControl = Find<TPageControl>("PageControl");
  TabSheet1 = Find<TTabSheet>("TabSheet1");
  TabSheet2 = Find<TTabSheet>("TabSheet2");
  TabSheet3 = Find<TTabSheet>("TabSheet3");
  TabSheet4 = Find<TTabSheet>("TabSheet4");
  OkBtn = Find<TButton>("OkBtn");
  CancelBtn = Find<TButton>("CancelBtn");
  Image1 = Find<TImage>("Image1");
  Label1 = Find<TLabel>("Label1");
  ProjectName = Find<TEdit>("ProjectName");
  Label2 = Find<TLabel>("Label2");
  ProjectDir = Find<TEdit>("ProjectDir");
  ProjectDirDialog = Find<TButton>("ProjectDirDialog");
  RadioButton1 = Find<TRadioButton>("RadioButton1");
  RadioButton2 = Find<TRadioButton>("RadioButton2");
  CheckBox1 = Find<TCheckBox>("CheckBox1");
  ComboBox1 = Find<TComboBox>("ComboBox1");
  Label3 = Find<TLabel>("Label3");
  CheckListBox = Find<TCheckListBox>("CheckListBox");

  using namespace std::placeholders;
  OnCreate = std::bind(&TNewDlg::FormCreate, this, _1);
  OnShow = std::bind(&TNewDlg::FormShow, this, _1);
  PageControl->OnChanging = std::bind(&TNewDlg::PageControlChanging, this, _1, _2);
  ProjectName->OnChange = std::bind(&TNewDlg::ProjectNameChange, this, _1);
  ProjectDir->OnChange = std::bind(&TNewDlg::ProjectNameChange, this, _1);
  ProjectName->OnKeyPress = std::bind(&TNewDlg::ProjectNameKeyPress, this, _1, _2);
  ProjectDir->OnKeyPress = std::bind(&TNewDlg::ProjectNameKeyPress, this, _1, _2);
  ProjectDirDialog->OnClick = std::bind(&TNewDlg::ProjectDirDialogClick, this, _1);
  OkBtn->OnClick = std::bind(&TNewDlg::OkBtnClick, this, _1);
  CancelBtn->OnClick = std::bind(&TNewDlg::CancelBtnClick, this, _1);
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
  try {
    wizard->ShowModal();
  } catch (...) {
    // Whether anything was generated is the wizard's business; an error
    // escaping it ends the run quietly.
  }
}

}  // namespace vantrel
