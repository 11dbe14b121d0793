#include "wizard/Newinfo.h"

#include "generator/Summary.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Application.h"
#include "wizard/FormDescriptions.h"

namespace vantrel {

TNewProInfo* NewProInfo = nullptr;

TNewProInfo::TNewProInfo(TComponent* owner)
    : TForm(owner, "TNewProInfo"), built_(*this, NewProInfoForm()) {
  OnShow = [this](TControl* sender) { FormShow(sender); };
  OkBtn->OnClick = [this](TControl* sender) { OkBtnClick(sender); };
  CancelBtn->OnClick = [this](TControl* sender) { CancelBtnClick(sender); };
  NewProInfo = this;
  Create();
}

TNewProInfo::~TNewProInfo() {
  if (NewProInfo == this) NewProInfo = nullptr;
}

void TNewProInfo::FormShow(TControl*) {
  InstallDirLabel->SetCaption(InstallDir);
  // The same lines the command-line generator prints.
  for (const std::string& line : SummaryLines(ProjectName, InterfaceText, ViewBaseClass))
    WizardInfo->AddLine(line);
}

void TNewProInfo::OkBtnClick(TControl*) {
  // Another project's files in the same folder would be overwritten without
  // a word: the user confirms first.
  FileSystem& files = Application()->Files();
  std::size_t existing = 0;
  for (const std::string& path : PlannedFiles) existing += files.FileExists(path) ? 1 : 0;
  if (existing == 0) return;
  // The location as the summary shows it.
  const std::string& where = InstallDir;
  const std::string text =
      existing == 1 ? "1 file of the new project already exists in " + where +
                          " and will be replaced.\n\nReplace it?"
                    : std::to_string(existing) + " files of the new project already exist in " +
                          where + " and will be replaced.\n\nReplace them?";
  if (Application()->MessageBox(text, "Confirm", MessageIcon::Question, MessageButtons::YesNo) !=
      mrYes)
    SetModalResult(mrNone);
}

void TNewProInfo::CancelBtnClick(TControl*) { Close(); }

}  // namespace vantrel
