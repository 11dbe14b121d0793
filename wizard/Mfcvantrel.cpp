#include "wizard/Mfcvantrel.h"

#include <iterator>
#include <memory>
#include <stdexcept>
#include <vector>

#include "generator/CodePage.h"
#include "generator/GenerationRun.h"
#include "generator/Summary.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/DroppedErrors.h"
#include "platform/toolkit/ItemIndex.h"
#include "wizard/DrawPicture.h"
#include "wizard/FileLists.h"
#include "wizard/FormDescriptions.h"
#include "wizard/Newinfo.h"

namespace vantrel {

TVantrel* Vantrel = nullptr;

TVantrel::TVantrel(TComponent* owner)
    : TForm(owner, "TVantrel"), built_(*this, VantrelForm()), codePage_(AnsiCodePage()) {
  // The settings' strings are all empty until the creation handler runs.
  settings_.ViewBaseClass.clear();

  OnCreate = [this](TControl* sender) { FormCreate(sender); };
  NextBtn->OnClick = [this](TControl* sender) { NextBtnClick(sender); };
  BackBtn->OnClick = [this](TControl* sender) { BackBtnClick(sender); };
  FinishBtn->OnClick = [this](TControl* sender) { FinishBtnClick(sender); };
  CancelBtn->OnClick = [this](TControl* sender) { CancelBtnClick(sender); };
  SDISelect->OnClick = [this](TControl* sender) { SDISelectClick(sender); };
  MDISelect->OnClick = [this](TControl* sender) { MDISelectClick(sender); };
  YesDocSelect->OnClick = [this](TControl* sender) { YesDocSelectClick(sender); };
  RadioButton11->OnClick = [this](TControl* sender) { YesDocSelectClick(sender); };
  NoDocSelect->OnClick = [this](TControl* sender) { NoDocSelectClick(sender); };
  RadioButton10->OnClick = [this](TControl* sender) { NoDocSelectClick(sender); };
  ClassList->OnClick = [this](TControl* sender) { ClassListClick(sender); };
  BaseClass->OnChange = [this](TControl* sender) { BaseClassChange(sender); };
  BaseClass->OnKeyPress = [this](TControl* sender, char& key) { BaseClassKeyPress(sender, key); };
  Vantrel = this;
  Create();
}

TVantrel::~TVantrel() {
  if (Vantrel == this) Vantrel = nullptr;
}

void TVantrel::FormCreate(TControl*) {
  for (TImage* strip : {Image1, Image2, Image3, Image4, Image5}) DrawPicture(*strip, "BACKIMAGE");
  DrawPicture(*Step1Image, "MDI");
  DrawPicture(*Step2Image, "STEP2IMAGE");
  DrawPicture(*Step3Image, "SDI");
  DrawPicture(*Step4Image, "INTERFACE");
  DrawPicture(*_3DCtrlImage, "3DCTRL");
  DrawPicture(*Step5Image, "STEP5_DOC");
  settings_.ViewBaseClass = "CView";
}

void TVantrel::GoToStep(int index) {
  const std::vector<TTabSheet*> pages = PageControl->Pages();
  if (!IsItemIndex(index, pages.size())) return;  // Before the first or after the last.
  const int last = static_cast<int>(pages.size()) - 1;
  const bool leavingLast = PageControl->ActivePageIndex() == last;
  // In this order: an error on the way leaves what was done before it.
  PageControl->SetActivePage(pages[static_cast<std::size_t>(index)]);
  if (index == last) {
    DrawPicture(*Image6, "FINALIMAGE");
    FillClassList();
  }
  if (leavingLast) ClassList->Clear();
  SetCaption("MFC Vantrel - Step " + std::to_string(index + 1) + " of " + std::to_string(last + 1));
  BackBtn->SetEnabled(index > 0);
  NextBtn->SetEnabled(index < last);
  FinishBtn->SetEnabled(index == last);
  if (index == last) FinishBtn->SetFocus();
}

// A failed step change leaves the wizard as far as it got.
void TVantrel::NextBtnClick(TControl*) {
  DropErrors([this] { GoToStep(PageControl->ActivePageIndex() + 1); });
}

void TVantrel::BackBtnClick(TControl*) {
  DropErrors([this] { GoToStep(PageControl->ActivePageIndex() - 1); });
}

void TVantrel::FillClassList() {
  settings_.DeriveClassNames();
  // Back always empties the list; clearing here as well keeps it at four
  // entries whatever happened in between.
  ClassList->Clear();
  ClassList->AddItem(settings_.AppClassName);
  ClassList->AddItem(settings_.FrameClassName);
  ClassList->AddItem(settings_.DocClassName);
  ClassList->AddItem(settings_.ViewClassName);
}

void TVantrel::SDISelectClick(TControl*) { DrawPicture(*Step1Image, "SDI"); }

void TVantrel::MDISelectClick(TControl*) { DrawPicture(*Step1Image, "MDI"); }

void TVantrel::YesDocSelectClick(TControl*) { DrawPicture(*Step5Image, "STEP5_DOC"); }

void TVantrel::NoDocSelectClick(TControl*) { DrawPicture(*Step5Image, "STEP5_NODOC"); }

void TVantrel::FinishBtnClick(TControl*) {
  settings_.Kind = MDISelect->Checked() ? FrameKind::Multiple : FrameKind::Single;
  // The summary is released however this handler ends.
  auto info = std::make_unique<TNewProInfo>(this);
  info->InstallDir = settings_.Location + settings_.Separator;
  info->ProjectName = settings_.Name;
  info->InterfaceText = InterfaceText(settings_.Kind);
  info->ViewBaseClass = settings_.ViewBaseClass;
  ProjectSettings planned = settings_;
  planned.ComputeSeparator(codePage_);
  info->PlannedFiles = PlannedPaths(planned, Application()->Files());
  info->Location = settings_.Location;
  if (info->ShowModal() != mrOk) return;
  info.reset();

  RunReport report = GenerationRun(settings_, Application()->Files(), opener_, codePage_);
  if (!report.Succeeded()) {
    // One error box, one line per cause, then whether the location was left
    // as it was; the wizard stays on its last step so that the user can try
    // again.
    throw std::runtime_error(RunFailureText(settings_.Location, report));
  }
  Close();
}

void TVantrel::CancelBtnClick(TControl*) { Close(); }

void TVantrel::ClassListClick(TControl*) {
  ClassName->SetText("");
  HeaderFile->SetText("");
  BaseClass->SetText("");
  ImplementationFile->SetText("");
  const std::string& name = settings_.Name;
  struct Row {
    const std::string& className;
    std::string header;
    std::string base;
    std::string implementation;
    bool baseEnabled;
  };
  const Row rows[] = {
      {settings_.AppClassName, name + ".h", "CWinApp", name + ".cpp", false},
      {settings_.FrameClassName, "MainFrm.h", "CFrameWnd", "MainFrm.cpp", false},
      {settings_.DocClassName, name + "Doc.h", "CDoc", name + "Doc.cpp", false},
      {settings_.ViewClassName, name + "View.h", settings_.ViewBaseClass, name + "View.cpp", true},
  };
  const int selected = ClassList->ItemIndex();
  if (!IsItemIndex(selected, std::size(rows))) return;
  const Row& row = rows[selected];
  ClassName->SetText(row.className);
  HeaderFile->SetText(row.header);
  BaseClass->SetText(row.base);
  ImplementationFile->SetText(row.implementation);
  BaseClass->SetEnabled(row.baseEnabled);
}

void TVantrel::BaseClassChange(TControl*) { settings_.ViewBaseClass = BaseClass->Text(); }

void TVantrel::BaseClassKeyPress(TControl*, char& key) { key = 0; }

}  // namespace vantrel
