#include "wizard/FormDescriptions.h"

namespace vantrel {

const FormLayout& DirChooserForm() {
  using K = ControlKind;
  using F = ControlRow;
  static const FormLayout form{
      .caption = "Choose Directory",
      .clientWidth = 432,
      .clientHeight = 354,
      .font = kDialogFont,
      .helpButton = true,
      .controls = {
          {.name = "Label1", .kind = K::Label, .caption = "Directory &name : ",
           .place = {16, 12, 0, 0}, .link = "DirName"},
          {.name = "DirName", .kind = K::Edit, .place = {16, 48, 280, 24}, .tabOrder = 0},
          {.name = "DirectoryListBox", .kind = K::DirectoryListBox, .place = {16, 80, 280, 125},
           .tabOrder = 1},
          {.name = "Label2", .kind = K::Label, .caption = "Dri&ves :", .place = {16, 208, 0, 0},
           .link = "DriveComboBox"},
          {.name = "DriveComboBox", .kind = K::DriveComboBox, .place = {16, 232, 280, 22},
           .tabOrder = 2, .link = "DirectoryListBox"},
          {.name = "OKBtn", .kind = K::Button, .caption = "OK", .place = {320, 12, 100, 28},
           .tabOrder = 3, .modalResult = mrOk},
          {.name = "CancelBtn", .kind = K::Button, .caption = "Cancel",
           .place = {320, 46, 100, 28}, .tabOrder = 4, .modalResult = mrCancel},
          {.name = "NetworkBtn", .kind = K::Button, .caption = "&Network",
           .place = {320, 80, 100, 28}, .flags = F::kDisabled | F::kNoTabStop, .tabOrder = 5},
          {.name = "Panel1", .kind = K::Panel, .place = {16, 283, 280, 58}, .flags = F::kSunken,
           .tabOrder = 6},
      }};
  return form;
}

}  // namespace vantrel
