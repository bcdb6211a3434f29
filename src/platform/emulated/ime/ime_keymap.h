// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which command a key gives in each state of the IME. Keys not listed here
// are characters (typed into the composition) or are left to the text box.
#include <cstdint>
#include <optional>

namespace orvo::emu {

enum class ImeState { kIdle, kComposing, kConverting };

enum class ImeCommand {
  kInsertWideSpace,
  kInsertNarrowSpace,
  kCommitAll,
  kCommitToFocused,
  kCancel,
  kDeleteBefore,
  kDeleteAfter,
  kCaretLeft,
  kCaretRight,
  kCaretHome,
  kCaretEnd,
  kConvert,
  kNextCandidate,
  kPrevCandidate,
  kFocusLeft,
  kFocusRight,
  kFocusFirst,
  kFocusLast,
  kShrinkClause,
  kExtendClause,
  kBackToReading,
  kToHiragana,
  kToKatakana,
  kToHalfWidth,
  kToWideAlphanumeric,
  kToNarrowAlphanumeric,
  kNothing,  // taken so that the text box does not act on it mid-composition
};

// Modifier sets a row asks for, exactly; Alt never appears.
namespace key_mods {
inline constexpr int kNone = 0;
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
}  // namespace key_mods

std::optional<ImeCommand> LookUpImeKey(ImeState state, std::uint8_t vk, int mods);

}  // namespace orvo::emu
