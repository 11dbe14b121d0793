#pragma once

#include "platform/toolkit/Button.h"
#include "platform/toolkit/DirectoryListBox.h"
#include "platform/toolkit/DriveComboBox.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/FormDescription.h"
#include "platform/toolkit/Label.h"
#include "platform/toolkit/Panel.h"

namespace vantrel {

// The directory chooser: a typed directory name with a browsable directory
// list and a drive box. Its result is the text of DirName on OK.
class TDirChooser : public TForm {
 public:
  explicit TDirChooser(TComponent* owner);
  ~TDirChooser() override;

  void DirectoryListBoxChange(TControl* sender);
  void DirNameKeyPress(TControl* sender, char& key);
  void CancelBtnClick(TControl* sender);

 private:
  BuiltControls built_;  // First: the bindings below find their controls in it.

 public:
  TLabel* const Label1 = &Bind<TLabel>("Label1");
  TEdit* const DirName = &Bind<TEdit>("DirName");
  TDirectoryListBox* const DirectoryListBox = &Bind<TDirectoryListBox>("DirectoryListBox");
  TLabel* const Label2 = &Bind<TLabel>("Label2");
  TDriveComboBox* const DriveComboBox = &Bind<TDriveComboBox>("DriveComboBox");
  TButton* const OKBtn = &Bind<TButton>("OKBtn");
  TButton* const CancelBtn = &Bind<TButton>("CancelBtn");
  TButton* const NetworkBtn = &Bind<TButton>("NetworkBtn");
  TPanel* const Panel1 = &Bind<TPanel>("Panel1");
};

// The chooser being shown, or null.
extern TDirChooser* DirChooser;

}  // namespace vantrel
