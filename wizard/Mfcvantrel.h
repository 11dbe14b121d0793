#pragma once

#include "generator/ProjectSettings.h"
#include "platform/toolkit/Button.h"
#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/FormDescription.h"
#include "platform/toolkit/Image.h"
#include "platform/toolkit/ListBox.h"
#include "platform/toolkit/PageControl.h"
#include "platform/toolkit/RadioButton.h"
#include "platform/toolkit/TabSheet.h"

namespace vantrel {

class ProjectOpener;

// The six-step wizard. It holds the project settings for its whole life,
// moves between its pages with Back and Next, and on Finish shows the
// summary and, once that is confirmed, generates the project.
class TVantrel : public TForm {
 public:
  explicit TVantrel(TComponent* owner);
  ~TVantrel() override;

  ProjectSettings& Settings() { return settings_; }
  void SetOpener(ProjectOpener* opener) { opener_ = opener; }
  void SetCodePage(int codePage) { codePage_ = codePage; }

  void FormCreate(TControl* sender);
  void NextBtnClick(TControl* sender);
  void BackBtnClick(TControl* sender);
  void SDISelectClick(TControl* sender);
  void MDISelectClick(TControl* sender);
  void YesDocSelectClick(TControl* sender);
  void NoDocSelectClick(TControl* sender);
  void FinishBtnClick(TControl* sender);
  void CancelBtnClick(TControl* sender);
  void ClassListClick(TControl* sender);
  void BaseClassChange(TControl* sender);
  void BaseClassKeyPress(TControl* sender, char& key);

 private:
  BuiltControls built_;  // First: the bindings below find their controls in it.

 public:
  TButton* const NextBtn = &Bind<TButton>("NextBtn");
  TButton* const FinishBtn = &Bind<TButton>("FinishBtn");
  TPageControl* const PageControl = &Bind<TPageControl>("PageControl");
  TButton* const CancelBtn = &Bind<TButton>("CancelBtn");
  TButton* const BackBtn = &Bind<TButton>("BackBtn");
  TTabSheet* const Step1 = &Bind<TTabSheet>("Step1");
  TTabSheet* const Step2 = &Bind<TTabSheet>("Step2");
  TTabSheet* const Step3 = &Bind<TTabSheet>("Step3");
  TTabSheet* const Step4 = &Bind<TTabSheet>("Step4");
  TTabSheet* const Step5 = &Bind<TTabSheet>("Step5");
  TTabSheet* const Step6 = &Bind<TTabSheet>("Step6");
  TImage* const Image1 = &Bind<TImage>("Image1");
  TImage* const Image2 = &Bind<TImage>("Image2");
  TImage* const Image3 = &Bind<TImage>("Image3");
  TImage* const Image4 = &Bind<TImage>("Image4");
  TImage* const Image5 = &Bind<TImage>("Image5");
  TImage* const Image6 = &Bind<TImage>("Image6");
  TImage* const Step1Image = &Bind<TImage>("Step1Image");
  TImage* const Step2Image = &Bind<TImage>("Step2Image");
  TImage* const Step3Image = &Bind<TImage>("Step3Image");
  TImage* const Step4Image = &Bind<TImage>("Step4Image");
  TImage* const Step5Image = &Bind<TImage>("Step5Image");
  TImage* const _3DCtrlImage = &Bind<TImage>("_3DCtrlImage");
  TRadioButton* const SDISelect = &Bind<TRadioButton>("SDISelect");
  TRadioButton* const MDISelect = &Bind<TRadioButton>("MDISelect");
  TRadioButton* const RadioButton10 = &Bind<TRadioButton>("RadioButton10");
  TRadioButton* const RadioButton11 = &Bind<TRadioButton>("RadioButton11");
  TRadioButton* const YesDocSelect = &Bind<TRadioButton>("YesDocSelect");
  TRadioButton* const NoDocSelect = &Bind<TRadioButton>("NoDocSelect");
  TListBox* const ClassList = &Bind<TListBox>("ClassList");
  TEdit* const ClassName = &Bind<TEdit>("ClassName");
  TEdit* const HeaderFile = &Bind<TEdit>("HeaderFile");
  TComboBox* const BaseClass = &Bind<TComboBox>("BaseClass");
  TEdit* const ImplementationFile = &Bind<TEdit>("ImplementationFile");

 private:
  // Shows step index (0 for the first): its page, caption and buttons;
  // entering the last step fills the class list, leaving it empties it.
  void GoToStep(int index);
  void FillClassList();

  ProjectSettings settings_;
  ProjectOpener* opener_ = nullptr;
  int codePage_;
};

// The wizard being shown, or null.
extern TVantrel* Vantrel;

}  // namespace vantrel
