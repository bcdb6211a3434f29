// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/forms/list_box_control.h"

#include <algorithm>

#include "platform/keys.h"

namespace orvo::forms {

ListBoxControl::ListBoxControl(Form& form, std::string name, int index)
    : Control(form, ControlKind::kListBox, std::move(name), index) {
  SetBackColor(colour::kWhite);
}

bool ListBoxControl::AddItem(ustring text, int at) {
  if (at > Count() || at < -1) return false;
  const int place = at < 0 ? Count() : at;
  items_.insert(items_.begin() + place, std::move(text));
  // The selection stays on the same entry.
  if (selected_ != kNone && place <= selected_) ++selected_;
  Changed();
  return true;
}

bool ListBoxControl::RemoveItem(int index) {
  if (index < 0 || index >= Count()) return false;
  items_.erase(items_.begin() + index);
  if (selected_ == index) {
    selected_ = kNone;
  } else if (selected_ > index) {
    --selected_;
  }
  Changed();
  return true;
}

void ListBoxControl::Clear() {
  items_.clear();
  selected_ = kNone;
  Changed();
}

bool ListBoxControl::SetSelected(int index) {
  if (index < kNone || index >= Count()) return false;
  if (index == selected_) return true;
  selected_ = index;
  Changed();
  RaiseClick();
  return true;
}

void ListBoxControl::ClickItem(int index) {
  if (!Usable()) return;
  SetFocus();
  SetSelected(index);
}

namespace {

bool IsTypeAheadKey(int key_code) {
  return (key_code >= 'A' && key_code <= 'Z') || (key_code >= '0' && key_code <= '9');
}

// Letters compared without case or width: Ｍ, ｍ and m all find an entry starting with M.
char16_t Folded(char16_t c) {
  if (c >= u'！' && c <= u'～') c = static_cast<char16_t>(c - u'！' + u'!');
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

}  // namespace

int ListBoxControl::NextStartingWith(char16_t letter) const {
  // From the entry after the selected one round to it, so the same letter steps through them all.
  for (int step = 1; step <= Count(); ++step) {
    const int at = (selected_ + step + Count()) % Count();
    const ustring& item = items_[static_cast<std::size_t>(at)];
    const std::size_t first = item.find_first_not_of(u' ');
    if (first != ustring::npos && Folded(item[first]) == letter) return at;
  }
  return kNone;
}

void ListBoxControl::OwnKeyDown(int& key_code, int shift) {
  if ((shift & (shift_mask::kCtrl | shift_mask::kAlt)) != 0 || items_.empty()) return;
  int to = selected_;
  switch (key_code) {
    case vk::kUp:
      to = selected_ <= 0 ? 0 : selected_ - 1;
      break;
    case vk::kDown:
      to = selected_ + 1 < Count() ? selected_ + 1 : Count() - 1;
      break;
    case vk::kHome:
      to = 0;
      break;
    case vk::kEnd:
      to = Count() - 1;
      break;
    case vk::kPrior:
      to = std::max(0, selected_ - kPageStep);
      break;
    case vk::kNext:
      to = std::min(Count() - 1, selected_ + kPageStep);
      break;
    default:
      if (!IsTypeAheadKey(key_code)) return;
      to = NextStartingWith(static_cast<char16_t>(key_code));
      if (to == kNone) return;
      break;
  }
  key_code = 0;
  SetSelected(to);
}

}  // namespace orvo::forms
