#include "platform/toolkit/ComboBox.h"

#include <cctype>

#include "platform/toolkit/ItemIndex.h"

namespace vantrel {
namespace {

// The first entry that starts with the letter, in either case, or -1: a
// letter typed into a drop-down list picks that entry.
int FirstStartingWith(const std::vector<std::string>& items, char letter) {
  const int wanted = std::tolower(static_cast<unsigned char>(letter));
  for (std::size_t i = 0; i < items.size(); ++i)
    if (!items[i].empty() && std::tolower(static_cast<unsigned char>(items[i][0])) == wanted)
      return static_cast<int>(i);
  return -1;
}

}  // namespace

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner, ControlKind::ComboBox) {}

void TComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  Changed();
}

void TComboBox::SetText(const std::string& text) {
  SetCaption(text);
  itemIndex_ = -1;
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == text) itemIndex_ = static_cast<int>(i);
}

void TComboBox::SetItemIndex(int index) {
  if (!IsItemIndex(index, items_.size())) {
    itemIndex_ = -1;
    if (style_ == Style::DropDownList) SetCaption("");
  } else {
    itemIndex_ = index;
    SetCaption(items_[index]);
  }
  Changed();
}

bool TComboBox::UserPickItem(int index) {
  if (!IsItemIndex(index, items_.size())) return false;
  SetFocus();
  const bool changed = index != itemIndex_ || Text() != items_[index];
  SetItemIndex(index);
  if (changed && OnChange) OnChange(this);
  return true;
}

void TComboBox::KeyChar(char key) {
  if (style_ == Style::DropDownList) {
    UserPickItem(FirstStartingWith(items_, key));
    return;
  }
  if (!EditsText()) return;
  std::string text = Text();
  if (key == kCharBackspace) {
    if (text.empty()) return;
    text.pop_back();
  } else if (static_cast<unsigned char>(key) >= ' ') {
    text.push_back(key);
  } else {
    return;
  }
  SetText(text);
  if (OnChange) OnChange(this);
}

bool TComboBox::UserEditText(const std::string& text) {
  if (!EditsText()) return false;
  if (text == Text()) return true;
  SetText(text);
  if (OnChange) OnChange(this);
  return true;
}

bool TComboBox::NavigationKey(Key key) {
  const std::optional<int> index = NavigatedIndex(key, itemIndex_, items_.size());
  if (index) UserPickItem(*index);
  return index.has_value();
}

bool IsDropDown(const TControl& control) {
  const auto* combo = dynamic_cast<const TComboBox*>(&control);
  return combo != nullptr && combo->ComboStyle() == TComboBox::Style::DropDown;
}

}  // namespace vantrel
