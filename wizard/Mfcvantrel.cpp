#include "wizard/Mfcvantrel.h"

#include <functional>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "generator/CodePage.h"
#include "generator/GenerationRun.h"
#include "generator/Summary.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/ItemIndex.h"
#include "wizard/DrawPicture.h"
#include "wizard/FormDescriptions.h"
#include "wizard/Newinfo.h"

namespace vantrel {

TVantrel* Vantrel = nullptr;

TVantrel::TVantrel(TComponent* owner) : TForm(owner, "TVantrel"), codePage_(AnsiCodePage()) {
  // The settings' strings are all empty until the creation handler runs.
  settings_.ViewBaseClass.clear();
  BuildForm(*this, VantrelForm());
  NextBtn = Find<TButton>("NextBtn");
  FinishBtn = Find<TButton>("FinishBtn");
  PageControl = Find<TPageControl>("PageControl");
  CancelBtn = Find<TButton>("CancelBtn");
  BackBtn = Find<TButton>("BackBtn");
  Step1 = Find<TTabSheet>("Step1");
  Step2 = Find<TTabSheet>("Step2");
  Step3 = Find<TTabSheet>("Step3");
  Step4 = Find<TTabSheet>("Step4");
  Step5 = Find<TTabSheet>("Step5");
  Step6 = Find<TTabSheet>("Step6");
  Image1 = Find<TImage>("Image1");
  Image2 = Find<TImage>("Image2");
  Image3 = Find<TImage>("Image3");
  Image4 = Find<TImage>("Image4");
  Image5 = Find<TImage>("Image5");
  Image6 = Find<TImage>("Image6");
  Step1Image = Find<TImage>("Step1Image");
  Step2Image = Find<TImage>("Step2Image");
  Step3Image = Find<TImage>("Step3Image");
  Step4Image = Find<TImage>("Step4Image");
  Step5Image = Find<TImage>("Step5Image");
  _3DCtrlImage = Find<TImage>("_3DCtrlImage");
  SDISelect = Find<TRadioButton>("SDISelect");
  MDISelect = Find<TRadioButton>("MDISelect");
  RadioButton10 = Find<TRadioButton>("RadioButton10");
  RadioButton11 = Find<TRadioButton>("RadioButton11");
  YesDocSelect = Find<TRadioButton>("YesDocSelect");
  NoDocSelect = Find<TRadioButton>("NoDocSelect");
  ClassList = Find<TListBox>("ClassList");
  ClassName = Find<TEdit>("ClassName");
  HeaderFile = Find<TEdit>("HeaderFile");
  BaseClass = Find<TComboBox>("BaseClass");
  ImplementationFile = Find<TEdit>("ImplementationFile");

  using namespace std::placeholders;
  OnCreate = std::bind(&TVantrel::FormCreate, this, _1);
  NextBtn->OnClick = std::bind(&TVantrel::NextBtnClick, this, _1);
  BackBtn->OnClick = std::bind(&TVantrel::BackBtnClick, this, _1);
  FinishBtn->OnClick = std::bind(&TVantrel::FinishBtnClick, this, _1);
  CancelBtn->OnClick = std::bind(&TVantrel::CancelBtnClick, this, _1);
  SDISelect->OnClick = std::bind(&TVantrel::SDISelectClick, this, _1);
  MDISelect->OnClick = std::bind(&TVantrel::MDISelectClick, this, _1);
  YesDocSelect->OnClick = std::bind(&TVantrel::YesDocSelectClick, this, _1);
  RadioButton11->OnClick = std::bind(&TVantrel::YesDocSelectClick, this, _1);
  NoDocSelect->OnClick = std::bind(&TVantrel::NoDocSelectClick, this, _1);
  RadioButton10->OnClick = std::bind(&TVantrel::NoDocSelectClick, this, _1);
  ClassList->OnClick = std::bind(&TVantrel::ClassListClick, this, _1);
  BaseClass->OnChange = std::bind(&TVantrel::BaseClassChange, this, _1);
  BaseClass->OnKeyPress = std::bind(&TVantrel::BaseClassKeyPress, this, _1, _2);
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

void TVantrel::ShowStep(TTabSheet* page, int number) {
  PageControl->SetActivePage(page);
  if (page == Step6) {
    DrawPicture(*Image6, "FINALIMAGE");
    FillClassList();
  }
  SetCaption("MFC Vantrel - Step " + std::to_string(number) + " of 6");
}

void TVantrel::NextBtnClick(TControl*) {
  try {
    const std::string current = PageControl->ActivePage()->Name();
    if (current == "Step1") {
      ShowStep(Step2, 2);
      BackBtn->SetEnabled(true);
    } else if (current == "Step2") {
      ShowStep(Step3, 3);
    } else if (current == "Step3") {
      ShowStep(Step4, 4);
    } else if (current == "Step4") {
      ShowStep(Step5, 5);
    } else if (current == "Step5") {
      ShowStep(Step6, 6);
      NextBtn->SetEnabled(false);
      FinishBtn->SetEnabled(true);
      FinishBtn->SetFocus();
    }
  } catch (...) {
    // A failed step change leaves the wizard as far as it got.
  }
}

void TVantrel::BackBtnClick(TControl*) {
  try {
    const std::string current = PageControl->ActivePage()->Name();
    if (current == "Step2") {
      ShowStep(Step1, 1);
      BackBtn->SetEnabled(false);
    } else if (current == "Step3") {
      ShowStep(Step2, 2);
    } else if (current == "Step4") {
      ShowStep(Step3, 3);
    } else if (current == "Step5") {
      ShowStep(Step4, 4);
    } else if (current == "Step6") {
      ShowStep(Step5, 5);
      ClassList->Clear();
      NextBtn->SetEnabled(true);
      FinishBtn->SetEnabled(false);
    }
  } catch (...) {
    // A failed step change leaves the wizard as far as it got.
  }
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
  if (info->ShowModal() != mrOk) return;
  info.reset();

  RunReport report = GenerationRun(settings_, Application()->Files(), opener_, codePage_);
  if (!report.Succeeded()) {
    // One error box names every file that could not be written; the wizard
    // stays on its last step so that the user can try again.
    std::string text;
    for (const std::string& error : report.Errors()) text += (text.empty() ? "" : "\n") + error;
    throw std::runtime_error(text);
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
