// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list of text entries with at most one selected. Changing the selection
// raises Click, whether a person or the program changed it. From the
// keyboard: the arrows, Home, End, Page Up and Down (ten entries), and a
// letter or digit selects the next entry that starts with it.
#include <vector>

#include "toolkit/forms/control.h"

namespace orvo::forms {

class ListBoxControl : public Control {
 public:
  static constexpr int kNone = -1;
  static constexpr int kPageStep = 10;

  ListBoxControl(Form& form, std::string name, int index = -1);

  int Count() const { return static_cast<int>(items_.size()); }
  const ustring& Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  const std::vector<ustring>& Items() const { return items_; }
  // at: the place to insert, or -1 for the end; a place past the end is refused.
  bool AddItem(ustring text, int at = -1);
  bool RemoveItem(int index);
  void Clear();  // leaves no selection, without a Click

  int Selected() const { return selected_; }
  // kNone clears; an index outside the list is refused and nothing changes.
  bool SetSelected(int index);
  // A person's click on an entry.
  void ClickItem(int index);

 protected:
  void OwnKeyDown(int& key_code, int shift) override;

 private:
  int NextStartingWith(char16_t letter) const;

  std::vector<ustring> items_;
  int selected_ = kNone;
};

}  // namespace orvo::forms
