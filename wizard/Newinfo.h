#pragma once

#include <string>
#include <vector>

#include "platform/toolkit/Button.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/FormDescription.h"
#include "platform/toolkit/Label.h"
#include "platform/toolkit/Memo.h"

namespace vantrel {

// The summary shown before anything is written: what will be generated and
// where. It writes nothing and changes no setting. When files of the
// project exist already, OK first asks whether to replace them; No keeps
// the summary open.
class TNewProInfo : public TForm {
 public:
  explicit TNewProInfo(TComponent* owner);
  ~TNewProInfo() override;

  // The four texts the wizard hands over before showing the dialog.
  std::string InstallDir;
  std::string ProjectName;
  std::string InterfaceText;
  std::string ViewBaseClass;
  // The full paths the generation run will write below Location. OK asks
  // before files that exist already are replaced, naming them.
  std::vector<std::string> PlannedFiles;
  std::string Location;

  void FormShow(TControl* sender);
  void OkBtnClick(TControl* sender);
  void CancelBtnClick(TControl* sender);

 private:
  BuiltControls built_;  // First: the bindings below find their controls in it.

 public:
  TLabel* const Label1 = &Bind<TLabel>("Label1");
  TMemo* const WizardInfo = &Bind<TMemo>("WizardInfo");
  TLabel* const Label2 = &Bind<TLabel>("Label2");
  TLabel* const InstallDirLabel = &Bind<TLabel>("InstallDirLabel");
  TButton* const OkBtn = &Bind<TButton>("OkBtn");
  TButton* const CancelBtn = &Bind<TButton>("CancelBtn");
};

// The summary being shown, or null.
extern TNewProInfo* NewProInfo;

}  // namespace vantrel
