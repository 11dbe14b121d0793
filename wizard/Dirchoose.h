#pragma once

#include "platform/toolkit/Button.h"
#include "platform/toolkit/DirectoryListBox.h"
#include "platform/toolkit/DriveComboBox.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Form.h"
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

  TLabel* Label1;
  TEdit* DirName;
  TDirectoryListBox* DirectoryListBox;
  TLabel* Label2;
  TDriveComboBox* DriveComboBox;
  TButton* OKBtn;
  TButton* CancelBtn;
  TButton* NetworkBtn;
  TPanel* Panel1;
};

// The chooser being shown, or null.
extern TDirChooser* DirChooser;

}  // namespace vantrel
