// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/find_replace.h"

#include "editing/editing_texts.h"
#include "editing/text_search.h"

namespace orvo::editing {

bool FindReplace::Search(int start, bool had_selection, const ustring& end_message) {
  EditControl& box = p_.box();
  const SearchText search{box.Text(), s_.text, s_.match_case != 0};
  std::optional<int> found;
  if (s_.direction == direction::kDown) {
    // Past the start of a selection, so the match selected now is not found again.
    found = FindForward(search, had_selection ? start + 1 : start);
  } else {
    // A match may start right before the caret, as one ending at it does.
    found = FindBackward(search, start - 1);
  }
  if (found) {
    box.SetSel(*found, static_cast<int>(s_.text.size()));
  } else {
    p_.message(1, end_message, message::kInformation);
  }
  s_.last_position = p_.box().SelStart();
  return found.has_value();
}

bool FindReplace::FindNext() {
  EditControl& box = p_.box();
  return Search(box.SelStart(), box.SelLength() >= 1, text::kSearchEnded);
}

bool FindReplace::ReplaceAndFindNext() {
  EditControl& box = p_.box();
  if (box.SelLength() >= 1) {
    if (!s_.text.empty() && SameText(box.SelText(), s_.text, s_.match_case != 0)) {
      box.ReplaceSel(s_.replacement);
    }
    box.SetSel(box.SelStart(), 0);  // after a replacement the caret stands after it
  }
  return Search(box.SelStart(), false, text::kReplaceEnded);
}

}  // namespace orvo::editing
