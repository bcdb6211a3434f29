// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/ime/ime_keymap.h"

#include "platform/keys.h"

namespace orvo::emu {
namespace {

using enum ImeState;
using enum ImeCommand;
using key_mods::kCtrl;
using key_mods::kNone;
using key_mods::kShift;

struct KeyRow {
  ImeState state;
  std::uint8_t vk;
  int mods;
  ImeCommand command;
};

// clang-format off
constexpr KeyRow kKeyMap[] = {
    {kIdle,       vk::kSpace,  kNone,  kInsertWideSpace},
    {kIdle,       vk::kSpace,  kShift, kInsertNarrowSpace},

    {kComposing,  vk::kReturn, kNone,  kCommitAll},
    {kComposing,  vk::kReturn, kShift, kCommitAll},
    {kComposing,  vk::kReturn, kCtrl,  kCommitAll},
    {kComposing,  vk::kBack,   kNone,  kDeleteBefore},
    {kComposing,  vk::kBack,   kShift, kDeleteBefore},
    {kComposing,  vk::kBack,   kCtrl,  kDeleteBefore},
    {kComposing,  vk::kDelete, kNone,  kDeleteAfter},
    {kComposing,  vk::kEscape, kNone,  kCancel},
    {kComposing,  vk::kEscape, kShift, kCancel},
    {kComposing,  vk::kLeft,   kNone,  kCaretLeft},
    {kComposing,  vk::kLeft,   kShift, kCaretLeft},
    {kComposing,  vk::kRight,  kNone,  kCaretRight},
    {kComposing,  vk::kRight,  kShift, kCaretRight},
    {kComposing,  vk::kLeft,   kCtrl,  kCaretHome},
    {kComposing,  vk::kHome,   kNone,  kCaretHome},
    {kComposing,  vk::kRight,  kCtrl,  kCaretEnd},
    {kComposing,  vk::kEnd,    kNone,  kCaretEnd},
    {kComposing,  vk::kDown,   kNone,  kCaretEnd},
    {kComposing,  vk::kDown,   kCtrl,  kCaretEnd},
    {kComposing,  vk::kUp,     kNone,  kNothing},
    {kComposing,  vk::kSpace,  kNone,  kConvert},
    {kComposing,  vk::kSpace,  kShift, kConvert},
    {kComposing,  vk::kTab,    kNone,  kConvert},
    {kComposing,  vk::kF6,     kNone,  kToHiragana},
    {kComposing,  vk::kF7,     kNone,  kToKatakana},
    {kComposing,  vk::kF8,     kNone,  kToHalfWidth},
    {kComposing,  vk::kF9,     kNone,  kToWideAlphanumeric},
    {kComposing,  vk::kF10,    kNone,  kToNarrowAlphanumeric},

    {kConverting, vk::kReturn, kNone,  kCommitAll},
    {kConverting, vk::kReturn, kShift, kCommitAll},
    {kConverting, vk::kReturn, kCtrl,  kCommitAll},
    {kConverting, vk::kDown,   kCtrl,  kCommitToFocused},
    {kConverting, vk::kSpace,  kNone,  kNextCandidate},
    {kConverting, vk::kDown,   kNone,  kNextCandidate},
    {kConverting, vk::kTab,    kNone,  kNextCandidate},
    {kConverting, vk::kSpace,  kShift, kPrevCandidate},
    {kConverting, vk::kUp,     kNone,  kPrevCandidate},
    {kConverting, vk::kLeft,   kNone,  kFocusLeft},
    {kConverting, vk::kRight,  kNone,  kFocusRight},
    {kConverting, vk::kLeft,   kCtrl,  kFocusFirst},
    {kConverting, vk::kHome,   kNone,  kFocusFirst},
    {kConverting, vk::kRight,  kCtrl,  kFocusLast},
    {kConverting, vk::kEnd,    kNone,  kFocusLast},
    {kConverting, vk::kLeft,   kShift, kShrinkClause},
    {kConverting, vk::kRight,  kShift, kExtendClause},
    {kConverting, vk::kBack,   kNone,  kBackToReading},
    {kConverting, vk::kBack,   kShift, kBackToReading},
    {kConverting, vk::kBack,   kCtrl,  kBackToReading},
    {kConverting, vk::kEscape, kNone,  kBackToReading},
    {kConverting, vk::kEscape, kShift, kBackToReading},
    {kConverting, vk::kDelete, kNone,  kBackToReading},
    {kConverting, vk::kF6,     kNone,  kToHiragana},
    {kConverting, vk::kF7,     kNone,  kToKatakana},
    {kConverting, vk::kF8,     kNone,  kToHalfWidth},
    {kConverting, vk::kF9,     kNone,  kToWideAlphanumeric},
    {kConverting, vk::kF10,    kNone,  kToNarrowAlphanumeric},
};
// clang-format on

}  // namespace

std::optional<ImeCommand> LookUpImeKey(ImeState state, std::uint8_t vk, int mods) {
  for (const KeyRow& row : kKeyMap) {
    if (row.state == state && row.vk == vk && row.mods == mods) return row.command;
  }
  return std::nullopt;
}

}  // namespace orvo::emu
