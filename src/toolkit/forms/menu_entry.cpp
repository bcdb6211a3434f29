// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/forms/menu_entry.h"

#include "toolkit/forms/mnemonic.h"

namespace orvo::forms {

MenuEntry::MenuEntry(std::string name, ustring caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

MenuEntry& MenuEntry::Add(std::string name, ustring caption) {
  children_.push_back(std::make_unique<MenuEntry>(std::move(name), std::move(caption)));
  children_.back()->parent_ = this;
  Changed(MenuChange::kChildren);
  return *children_.back();
}

bool MenuEntry::Remove(const MenuEntry& child) {
  const auto n = std::erase_if(children_, [&child](const auto& c) { return c.get() == &child; });
  if (n == 0) return false;
  Changed(MenuChange::kChildren);
  return true;
}

MenuEntry& MenuEntry::AddSeparator(std::string name) { return Add(std::move(name), u"-"); }

MenuEntry* MenuEntry::FindIf(const std::function<bool(const MenuEntry&)>& test) {
  if (test(*this)) return this;
  for (auto& child : children_) {
    if (MenuEntry* found = child->FindIf(test)) return found;
  }
  return nullptr;
}

MenuEntry* MenuEntry::Find(std::string_view name) {
  if (name.empty()) return nullptr;  // unnamed separators are not found by name
  return FindIf([name](const MenuEntry& e) { return e.name_ == name; });
}

const MenuEntry* MenuEntry::Find(std::string_view name) const {
  return const_cast<MenuEntry*>(this)->Find(name);
}

void MenuEntry::SetCaption(ustring caption) {
  caption_ = std::move(caption);
  Changed();
}

ustring MenuEntry::AccessibleName() const { return StripMnemonic(caption_); }

void MenuEntry::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

void MenuEntry::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void MenuEntry::SetChecked(bool checked) {
  checked_ = checked;
  Changed();
}

void MenuEntry::SetCheckPictures(std::optional<int> checked, std::optional<int> unchecked) {
  checked_picture_ = checked;
  unchecked_picture_ = unchecked;
  Changed();
}

void MenuEntry::SetKey(Shortcut shortcut) {
  shortcut_ = shortcut;
  Changed();
}

bool MenuEntry::Usable() const {
  for (const MenuEntry* e = this; e != nullptr; e = e->parent_) {
    if (!e->visible_ || !e->enabled_) return false;
  }
  return true;
}

void MenuEntry::Changed(MenuChange change) {
  const MenuEntry* root = this;
  while (root->parent_ != nullptr) root = root->parent_;
  if (root->sink_) root->sink_(*this, change);
}

}  // namespace orvo::forms
