// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search and replace engine over the document text box, and the search
// state that the find dialog, the menu commands and the engine share for the
// whole run.
#include <functional>

#include "toolkit/message_flags.h"
#include "platform/edit_control.h"
#include "platform/text.h"

namespace orvo::editing {

namespace find_mode {
inline constexpr int kClosed = 0;
inline constexpr int kFind = 1;
inline constexpr int kReplace = 2;
}  // namespace find_mode

namespace direction {
inline constexpr int kUp = 0;
inline constexpr int kDown = 1;
}  // namespace direction

struct SearchState {
  int dialog_mode = find_mode::kClosed;
  ustring text;        // the last text searched for
  int match_case = 0;  // 1: letter case must match; 0: it is ignored
  int direction = direction::kDown;
  int last_position = 0;  // the selection start after the last find or replace
  ustring replacement;
};

class FindReplace {
 public:
  struct Ports {
    std::function<EditControl&()> box;  // the document text box now
    // A message box: owner tag, text, flags.
    std::function<void(int, const ustring&, MessageFlags)> message;
  };
  FindReplace(SearchState& state, Ports ports) : s_(state), p_(std::move(ports)) {}

  // Selects the next match of the search text in the stored direction, or
  // says the search has ended; true when a match was selected.
  bool FindNext();
  // Replaces the selection when it is a match, then selects the next match
  // only (it is replaced by the next call); true when one was selected.
  bool ReplaceAndFindNext();

 private:
  bool Search(int start, bool had_selection, const ustring& end_message);

  SearchState& s_;
  Ports p_;
};

}  // namespace orvo::editing
