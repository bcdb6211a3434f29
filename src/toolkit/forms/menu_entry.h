// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A form's menus as a tree: the bar is the root, its children the top-level
// menus, theirs the items. An entry whose caption is "-" is a separator.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace orvo::forms {

// A key that chooses an entry from anywhere in its form.
struct Shortcut {
  int key_code = 0;  // 0: none
  int shift = 0;     // shift_mask bits
  bool operator==(const Shortcut&) const = default;
};

// What happened to an entry: its own properties, or its list of children.
enum class MenuChange { kProperties, kChildren };

class MenuEntry {
 public:
  explicit MenuEntry(std::string name = {}, ustring caption = {});
  MenuEntry(const MenuEntry&) = delete;
  MenuEntry& operator=(const MenuEntry&) = delete;

  MenuEntry& Add(std::string name, ustring caption);
  MenuEntry& AddSeparator(std::string name = {});
  // Removes a child and everything below it; false when it is not a child.
  bool Remove(const MenuEntry& child);

  const std::string& Name() const { return name_; }
  MenuEntry* Parent() const { return parent_; }
  const std::vector<std::unique_ptr<MenuEntry>>& Children() const { return children_; }
  MenuEntry* Find(std::string_view name);
  const MenuEntry* Find(std::string_view name) const;
  // The first entry at or below this one that satisfies the test.
  MenuEntry* FindIf(const std::function<bool(const MenuEntry&)>& test);

  const ustring& Caption() const { return caption_; }
  void SetCaption(ustring caption);
  ustring AccessibleName() const;
  bool IsSeparator() const { return caption_ == u"-"; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // Pictures drawn as the check mark; none: the usual mark.
  std::optional<int> CheckedPicture() const { return checked_picture_; }
  std::optional<int> UncheckedPicture() const { return unchecked_picture_; }
  void SetCheckPictures(std::optional<int> checked, std::optional<int> unchecked);
  const Shortcut& Key() const { return shortcut_; }
  void SetKey(Shortcut shortcut);

  // Visible and enabled, and so is every menu above it.
  bool Usable() const;

  // Told of every change below the root (set on the root only): the entry
  // whose properties changed, or whose children were added or removed.
  using ChangeSink = std::function<void(const MenuEntry& entry, MenuChange change)>;
  void SetChangeSink(ChangeSink sink) { sink_ = std::move(sink); }

 private:
  void Changed(MenuChange change = MenuChange::kProperties);

  std::string name_;
  ustring caption_;
  bool visible_ = true;
  bool enabled_ = true;
  bool checked_ = false;
  std::optional<int> checked_picture_;
  std::optional<int> unchecked_picture_;
  Shortcut shortcut_;
  MenuEntry* parent_ = nullptr;
  std::vector<std::unique_ptr<MenuEntry>> children_;
  ChangeSink sink_;
};

}  // namespace orvo::forms
