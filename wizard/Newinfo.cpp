#include "wizard/Newinfo.h"

#include <functional>

#include "generator/Summary.h"
#include "wizard/FormDescriptions.h"

namespace vantrel {

TNewProInfo* NewProInfo = nullptr;

TNewProInfo::TNewProInfo(TComponent* owner) : TForm(owner, "TNewProInfo") {
  BuildForm(*this, NewProInfoForm());
  Label1 = Find<TLabel>("Label1");
  WizardInfo = Find<TMemo>("WizardInfo");
  Label2 = Find<TLabel>("Label2");
  InstallDirLabel = Find<TLabel>("InstallDirLabel");
  OkBtn = Find<TButton>("OkBtn");
  CancelBtn = Find<TButton>("CancelBtn");

  using namespace std::placeholders;
  OnShow = std::bind(&TNewProInfo::FormShow, this, _1);
  CancelBtn->OnClick = std::bind(&TNewProInfo::CancelBtnClick, this, _1);
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

void TNewProInfo::CancelBtnClick(TControl*) { Close(); }

}  // namespace vantrel
