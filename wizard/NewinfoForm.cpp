#include "wizard/FormDescriptions.h"

namespace vantrel {

const FormLayout& NewProInfoForm() {
  using K = ControlKind;
  using F = ControlRow;
  static const FormLayout form{
      .caption = "New Project Information",
      .clientWidth = 540,
      .clientHeight = 482,
      .font = kDialogFont,
      .helpButton = false,
      .controls = {
          {.name = "Label1", .kind = K::Label,
           .caption =
               "Vantrel will create a new skeleton project with the following specifications :",
           .place = {17, 12, 505, 16}, .flags = F::kFixedSize},
          {.name = "WizardInfo", .kind = K::Memo, .place = {16, 48, 509, 300},
           .flags = F::kReadOnly | F::kWordWrap | F::kButtonFace | F::kNoTabStop, .tabOrder = 2},
          {.name = "Label2", .kind = K::Label, .caption = "Install Directory : ",
           .place = {16, 360, 0, 0}},
          {.name = "InstallDirLabel", .kind = K::Label, .place = {16, 384, 341, 13},
           .flags = F::kFixedSize},
          {.name = "OkBtn", .kind = K::Button, .caption = "OK", .place = {309, 440, 100, 29},
           .tabOrder = 0, .modalResult = mrOk},
          {.name = "CancelBtn", .kind = K::Button, .caption = "Cancel",
           .place = {424, 440, 100, 29}, .tabOrder = 1, .modalResult = mrCancel},
      }};
  return form;
}

}  // namespace vantrel
