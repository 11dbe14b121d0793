#include "wizard/Newinfo.h"

#include "generator/Summary.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Application.h"
#include "wizard/FileLists.h"
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
  std::vector<std::string> existing;
  for (const std::string& path : PlannedFiles)
    if (files.FileExists(path)) existing.push_back(path);
  if (existing.empty()) return;
  // No is the default answer: Enter alone replaces nothing.
  if (Application()->MessageBox(ReplaceQuestion(Location, existing), "Confirm", MessageIcon::Question,
                                MessageButtons::YesNo, mrNo) != mrYes)
    SetModalResult(mrNone);
}

void TNewProInfo::CancelBtnClick(TControl*) { Close(); }

}  // namespace vantrel
