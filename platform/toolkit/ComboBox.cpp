#include "platform/toolkit/ComboBox.h"

#include <algorithm>
#include <cctype>

namespace vantrel {

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
  if (index < 0 || index >= static_cast<int>(items_.size())) {
    itemIndex_ = -1;
    if (style_ == Style::DropDownList) SetCaption("");
  } else {
    itemIndex_ = index;
    SetCaption(items_[index]);
  }
  Changed();
}

void TComboBox::UserPick(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  const bool changed = index != itemIndex_ || Text() != items_[index];
  SetItemIndex(index);
  if (changed && OnChange) OnChange(this);
}

void TComboBox::KeyChar(char key) {
  if (style_ == Style::DropDownList) {
    // A letter picks the first entry that starts with it.
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (!items_[i].empty() && std::tolower(static_cast<unsigned char>(items_[i][0])) ==
                                    std::tolower(static_cast<unsigned char>(key))) {
        UserPick(static_cast<int>(i));
        return;
      }
    }
    return;
  }
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

bool TComboBox::NavigationKey(Key key) {
  if (items_.empty()) return false;
  const int last = static_cast<int>(items_.size()) - 1;
  int index = itemIndex_;
  switch (key) {
    case Key::Up: index = index < 0 ? 0 : std::max(0, index - 1); break;
    case Key::Down: index = std::min(last, index + 1); break;
    case Key::Home: index = 0; break;
    case Key::End: index = last; break;
    default: return false;
  }
  UserPick(index);
  return true;
}

}  // namespace vantrel
