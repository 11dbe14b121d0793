#pragma once

#include "platform/toolkit/Button.h"
#include "platform/toolkit/CheckBox.h"
#include "platform/toolkit/CheckListBox.h"
#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/FormDescription.h"
#include "platform/toolkit/Image.h"
#include "platform/toolkit/Label.h"
#include "platform/toolkit/PageControl.h"
#include "platform/toolkit/RadioButton.h"
#include "platform/toolkit/TabSheet.h"

namespace vantrel {

class ProjectOpener;

// The New project dialog: asks for the project name and its location, then
// runs the wizard with them. Everything else on it is fixed display.
class TNewDlg : public TForm {
 public:
  // The owner is the application object. The opener receives the request
  // to open the generated project; it may be null.
  explicit TNewDlg(TComponent* owner, ProjectOpener* opener = nullptr);
  ~TNewDlg() override;

  // Creates the wizard, hands it the name and the location, shows it and
  // destroys it. Called by the caller after ShowModal returned OK. An error
  // that escapes the wizard's modal run is dropped.
  void RunWizard();

  // The code page the generation run counts characters in.
  void SetCodePage(int codePage) { codePage_ = codePage; }

  void FormCreate(TControl* sender);
  void FormShow(TControl* sender);
  void PageControlChanging(TControl* sender, bool& allowChange);
  void ProjectNameChange(TControl* sender);
  void ProjectNameKeyPress(TControl* sender, char& key);
  void ProjectDirDialogClick(TControl* sender);
  void OkBtnClick(TControl* sender);
  void CancelBtnClick(TControl* sender);

 private:
  BuiltControls built_;  // First: the bindings below find their controls in it.

 public:
  TPageControl* const PageControl = &Bind<TPageControl>("PageControl");
  TTabSheet* const TabSheet1 = &Bind<TTabSheet>("TabSheet1");
  TTabSheet* const TabSheet2 = &Bind<TTabSheet>("TabSheet2");
  TTabSheet* const TabSheet3 = &Bind<TTabSheet>("TabSheet3");
  TTabSheet* const TabSheet4 = &Bind<TTabSheet>("TabSheet4");
  TButton* const OkBtn = &Bind<TButton>("OkBtn");
  TButton* const CancelBtn = &Bind<TButton>("CancelBtn");
  TImage* const Image1 = &Bind<TImage>("Image1");
  TLabel* const Label1 = &Bind<TLabel>("Label1");
  TEdit* const ProjectName = &Bind<TEdit>("ProjectName");
  TLabel* const Label2 = &Bind<TLabel>("Label2");
  TEdit* const ProjectDir = &Bind<TEdit>("ProjectDir");
  TButton* const ProjectDirDialog = &Bind<TButton>("ProjectDirDialog");
  TRadioButton* const RadioButton1 = &Bind<TRadioButton>("RadioButton1");
  TRadioButton* const RadioButton2 = &Bind<TRadioButton>("RadioButton2");
  TCheckBox* const CheckBox1 = &Bind<TCheckBox>("CheckBox1");
  TComboBox* const ComboBox1 = &Bind<TComboBox>("ComboBox1");
  TLabel* const Label3 = &Bind<TLabel>("Label3");
  TCheckListBox* const CheckListBox = &Bind<TCheckListBox>("CheckListBox");

 private:
  // False, after telling the user why, when the generator would refuse the
  // project name.
  bool NameAccepted();

  ProjectOpener* opener_;
  int codePage_;
};

// The dialog being shown, or null.
extern TNewDlg* NewDlg;

}  // namespace vantrel
