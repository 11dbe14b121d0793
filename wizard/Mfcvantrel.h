#pragma once

#include "generator/ProjectSettings.h"
#include "platform/toolkit/Button.h"
#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Form.h"
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

  TButton* NextBtn;
  TButton* FinishBtn;
  TPageControl* PageControl;
  TButton* CancelBtn;
  TButton* BackBtn;
  TTabSheet* Step1;
  TTabSheet* Step2;
  TTabSheet* Step3;
  TTabSheet* Step4;
  TTabSheet* Step5;
  TTabSheet* Step6;
  TImage* Image1;
  TImage* Image2;
  TImage* Image3;
  TImage* Image4;
  TImage* Image5;
  TImage* Image6;
  TImage* Step1Image;
  TImage* Step2Image;
  TImage* Step3Image;
  TImage* Step4Image;
  TImage* Step5Image;
  TImage* _3DCtrlImage;
  TRadioButton* SDISelect;
  TRadioButton* MDISelect;
  TRadioButton* RadioButton10;
  TRadioButton* RadioButton11;
  TRadioButton* YesDocSelect;
  TRadioButton* NoDocSelect;
  TListBox* ClassList;
  TEdit* ClassName;
  TEdit* HeaderFile;
  TComboBox* BaseClass;
  TEdit* ImplementationFile;

 private:
  void ShowStep(TTabSheet* page, int number);
  void FillClassList();

  ProjectSettings settings_;
  ProjectOpener* opener_ = nullptr;
  int codePage_;
};

// The wizard being shown, or null.
extern TVantrel* Vantrel;

}  // namespace vantrel
