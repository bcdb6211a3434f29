// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys the engine presses in mozc, as the helper names them. They are
// the ones every keymap mozc ships gives these meanings.
#include <string_view>

namespace orvo::emu::mozc {

enum class Key {
  kConvert,        // composition: convert; conversion: next candidate
  kFocusRight,     // next segment
  kFocusLeft,      // previous segment
  kExtend,         // focused segment one character longer
  kShrink,         // focused segment one character shorter
  kNextCandidate,  // conversion
  kPrevCandidate,
  kNextPage,
  kPrevPage,
  kCommitFirst,  // confirm the first segment only
  kCancel,       // conversion: back to composition; composition: clear it
  kBackspace,    // composition: delete the character before the caret
};

struct KeyName {
  Key key;
  std::string_view name;
};

// clang-format off
inline constexpr KeyName kKeyNames[] = {
    {Key::kConvert, "space"},
    {Key::kFocusRight, "right"},
    {Key::kFocusLeft, "left"},
    {Key::kExtend, "shift right"},
    {Key::kShrink, "shift left"},
    {Key::kNextCandidate, "down"},
    {Key::kPrevCandidate, "up"},
    {Key::kNextPage, "pagedown"},
    {Key::kPrevPage, "pageup"},
    {Key::kCommitFirst, "ctrl down"},
    {Key::kCancel, "escape"},
    {Key::kBackspace, "backspace"},
};
// clang-format on

constexpr std::string_view NameOf(Key key) {
  for (const KeyName& row : kKeyNames) {
    if (row.key == key) return row.name;
  }
  return {};
}

}  // namespace orvo::emu::mozc
