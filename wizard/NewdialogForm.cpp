#include "wizard/FormDescriptions.h"

namespace vantrel {

const FormLayout& NewDlgForm() {
  using K = ControlKind;
  using F = ControlRow;
  static const FormLayout form{
      .caption = "New",
      .clientWidth = 733,
      .clientHeight = 454,
      .font = kDialogFont,
      .helpButton = true,
      .controls = {
          {.name = "PageControl", .kind = K::PageControl, .place = {4, 4, 726, 409},
           .flags = F::kNoTabStop, .tabOrder = 0},
          {.name = "TabSheet1", .kind = K::TabSheet, .parent = "PageControl", .caption = " Files "},
          {.name = "TabSheet2", .kind = K::TabSheet, .parent = "PageControl",
           .caption = " Projects ", .flags = F::kActivePage},
          {.name = "TabSheet3", .kind = K::TabSheet, .parent = "PageControl",
           .caption = " WorkSpaces "},
          {.name = "TabSheet4", .kind = K::TabSheet, .parent = "PageControl",
           .caption = " Other Documents "},
          {.name = "OkBtn", .kind = K::Button, .caption = "OK", .place = {492, 420, 110, 28},
           .flags = F::kDisabled, .tabOrder = 1, .modalResult = mrOk},
          {.name = "CancelBtn", .kind = K::Button, .caption = "Cancel",
           .place = {616, 420, 110, 28}, .tabOrder = 2, .modalResult = mrCancel},
          // The " Projects " page.
          {.name = "Image1", .kind = K::Image, .parent = "TabSheet2", .place = {8, 8, 446, 360}},
          {.name = "Label1", .kind = K::Label, .parent = "TabSheet2", .caption = "Project &name :",
           .place = {470, 8, 0, 0}, .link = "ProjectName"},
          {.name = "ProjectName", .kind = K::Edit, .parent = "TabSheet2",
           .place = {470, 28, 235, 24}, .tabOrder = 0},
          {.name = "Label2", .kind = K::Label, .parent = "TabSheet2", .caption = "Lo&cation : ",
           .place = {470, 68, 0, 0}, .link = "ProjectDir"},
          {.name = "ProjectDir", .kind = K::Edit, .parent = "TabSheet2",
           .place = {470, 88, 205, 24}, .flags = F::kReadOnly, .tabOrder = 1},
          {.name = "ProjectDirDialog", .kind = K::Button, .parent = "TabSheet2", .caption = "&...",
           .place = {680, 88, 25, 23}, .tabOrder = 2},
          {.name = "RadioButton1", .kind = K::RadioButton, .parent = "TabSheet2",
           .caption = "C&reate new workspace", .place = {470, 164, 167, 17},
           .flags = F::kChecked, .tabOrder = 3},
          {.name = "RadioButton2", .kind = K::RadioButton, .parent = "TabSheet2",
           .caption = "&Add to current workspace", .place = {470, 188, 183, 17},
           .flags = F::kDisabled, .tabOrder = 4},
          {.name = "CheckBox1", .kind = K::CheckBox, .parent = "TabSheet2",
           .caption = "&Dependency of : ", .place = {488, 208, 129, 17},
           .flags = F::kDisabled | F::kNoTabStop, .tabOrder = 5},
          {.name = "ComboBox1", .kind = K::ComboBox, .parent = "TabSheet2",
           .place = {488, 232, 221, 24}, .flags = F::kDisabled | F::kNoTabStop, .tabOrder = 6},
          {.name = "Label3", .kind = K::Label, .parent = "TabSheet2", .caption = "&Platforms : ",
           .place = {470, 288, 0, 0}, .link = "CheckListBox"},
          {.name = "CheckListBox", .kind = K::CheckListBox, .parent = "TabSheet2",
           .place = {470, 316, 235, 49}, .flags = F::kDisabled | F::kNoTabStop, .tabOrder = 7,
           .items = {"Win32"}},
      }};
  return form;
}

}  // namespace vantrel
