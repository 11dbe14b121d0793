#include "platform/toolkit/FormDescription.h"

#include <stdexcept>

#include "platform/toolkit/Button.h"
#include "platform/toolkit/CheckBox.h"
#include "platform/toolkit/CheckListBox.h"
#include "platform/toolkit/ComboBox.h"
#include "platform/toolkit/DirectoryListBox.h"
#include "platform/toolkit/DriveComboBox.h"
#include "platform/toolkit/Edit.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/Image.h"
#include "platform/toolkit/Label.h"
#include "platform/toolkit/Memo.h"
#include "platform/toolkit/PageControl.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/RadioButton.h"
#include "platform/toolkit/TabSheet.h"
#include "platform/toolkit/UpDown.h"

namespace vantrel {
namespace {

TControl* Make(TForm& form, ControlKind kind) {
  switch (kind) {
    case ControlKind::Button: return new TButton(&form);
    case ControlKind::Label: return new TLabel(&form);
    case ControlKind::Edit: return new TEdit(&form);
    case ControlKind::RadioButton: return new TRadioButton(&form);
    case ControlKind::CheckBox: return new TCheckBox(&form);
    case ControlKind::ComboBox: return new TComboBox(&form);
    case ControlKind::ListBox: return new TListBox(&form);
    case ControlKind::CheckListBox: return new TCheckListBox(&form);
    case ControlKind::PageControl: return new TPageControl(&form);
    case ControlKind::TabSheet: return new TTabSheet(&form);
    case ControlKind::Panel: return new TPanel(&form);
    case ControlKind::Image: return new TImage(&form);
    case ControlKind::Memo: return new TMemo(&form);
    case ControlKind::UpDown: return new TUpDown(&form);
    case ControlKind::DriveComboBox: return new TDriveComboBox(&form);
    case ControlKind::DirectoryListBox: return new TDirectoryListBox(&form);
    case ControlKind::Form: break;
  }
  throw std::invalid_argument("A form cannot be a control of another form");
}

// The state a row describes beyond place, caption and font.
void Apply(TControl& control, const ControlRow& row) {
  const bool disabled = row.flags & ControlRow::kDisabled;
  const bool checked = row.flags & ControlRow::kChecked;
  if (auto* win = dynamic_cast<TWinControl*>(&control)) {
    if (row.flags & ControlRow::kNoTabStop) win->SetTabStop(false);
    if (row.tabOrder >= 0) win->SetTabOrder(row.tabOrder);
  }
  if (disabled) control.SetEnabled(false);
  switch (row.kind) {
    case ControlKind::Button:
      static_cast<TButton&>(control).SetModalResult(row.modalResult);
      break;
    case ControlKind::Label: {
      auto& label = static_cast<TLabel&>(control);
      label.SetWordWrap(row.flags & ControlRow::kWordWrap);
      label.SetAutoSize(!(row.flags & (ControlRow::kFixedSize | ControlRow::kWordWrap)));
      break;
    }
    case ControlKind::Edit: {
      auto& edit = static_cast<TEdit&>(control);
      edit.SetReadOnly(row.flags & ControlRow::kReadOnly);
      edit.SetText(row.caption);
      break;
    }
    case ControlKind::RadioButton:
      static_cast<TRadioButton&>(control).SetChecked(checked);
      break;
    case ControlKind::CheckBox:
      static_cast<TCheckBox&>(control).SetChecked(checked);
      break;
    case ControlKind::ComboBox: {
      auto& combo = static_cast<TComboBox&>(control);
      combo.SetStyle(row.flags & ControlRow::kDropDownList ? TComboBox::Style::DropDownList
                                                             : TComboBox::Style::DropDown);
      combo.SetReadOnly(row.flags & ControlRow::kReadOnly);
      combo.SetItems(row.items);
      combo.SetText(row.caption);
      break;
    }
    case ControlKind::ListBox:
    case ControlKind::CheckListBox:
      for (const std::string& item : row.items) static_cast<TListBox&>(control).AddItem(item);
      break;
    case ControlKind::TabSheet:
      static_cast<TTabSheet&>(control).SetTabVisible(!(row.flags & ControlRow::kTabHidden));
      break;
    case ControlKind::Panel: {
      auto& panel = static_cast<TPanel&>(control);
      if (row.flags & ControlRow::kSunken)
        panel.SetBevels(TPanel::Bevel::Lowered, TPanel::Bevel::None);
      if (row.flags & ControlRow::kBorderless)
        panel.SetBevels(TPanel::Bevel::None, TPanel::Bevel::None);
      break;
    }
    case ControlKind::Memo: {
      auto& memo = static_cast<TMemo&>(control);
      memo.SetReadOnly(row.flags & ControlRow::kReadOnly);
      memo.SetWordWrap(row.flags & ControlRow::kWordWrap);
      memo.SetButtonFaceColor(row.flags & ControlRow::kButtonFace);
      break;
    }
    case ControlKind::UpDown:
      if (row.range)
        static_cast<TUpDown&>(control).SetRange(row.range->min, row.range->max,
                                                row.range->position, row.range->wrap);
      break;
    default: break;
  }
}

}  // namespace

void BuildForm(TForm& form, const FormLayout& layout) {
  form.SetCaption(layout.caption);
  form.SetClientSize(layout.clientWidth, layout.clientHeight);
  form.SetFont(layout.font);
  form.SetHelpButton(layout.helpButton);
  for (const ControlRow& row : layout.controls) {
    TWinControl* parent = &form;
    if (!row.parent.empty()) {
      parent = form.Find<TWinControl>(row.parent);
      if (parent == nullptr)
        throw std::invalid_argument(row.name + ": no container " + row.parent);
    }
    TControl* control = Make(form, row.kind);
    control->SetName(row.name);
    control->SetParent(parent);
    control->SetBounds(row.place.Left, row.place.Top, row.place.Width, row.place.Height);
    if (row.kind != ControlKind::Edit && row.kind != ControlKind::ComboBox)
      control->SetCaption(row.caption);
    if (row.font) control->SetFont(*row.font);
    Apply(*control, row);
  }
  // Links go last, since a label may name a control that follows it.
  for (const ControlRow& row : layout.controls) {
    if (row.link.empty()) continue;
    TControl* linked = form.FindControl(row.link);
    if (linked == nullptr) throw std::invalid_argument(row.name + ": no control " + row.link);
    TControl* control = form.FindControl(row.name);
    if (auto* label = dynamic_cast<TLabel*>(control))
      label->SetFocusControl(dynamic_cast<TWinControl*>(linked));
    else if (auto* spin = dynamic_cast<TUpDown*>(control))
      spin->SetAssociate(dynamic_cast<TEdit*>(linked));  // Shows the position.
    else if (auto* drives = dynamic_cast<TDriveComboBox*>(control))
      drives->SetDirList(dynamic_cast<TDirectoryListBox*>(linked));
  }
  // Every page control starts on its marked page, or else its first.
  for (const ControlRow& row : layout.controls) {
    if (row.kind != ControlKind::PageControl) continue;
    auto* pages = form.Find<TPageControl>(row.name);
    if (!pages->Pages().empty()) pages->SetActivePage(pages->Pages().front());
  }
  for (const ControlRow& row : layout.controls)
    if (row.kind == ControlKind::TabSheet && (row.flags & ControlRow::kActivePage)) {
      auto* page = form.Find<TTabSheet>(row.name);
      if (page->PageControl() != nullptr) page->PageControl()->SetActivePage(page);
    }
}

}  // namespace vantrel
