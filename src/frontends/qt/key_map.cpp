// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/key_map.h"

#include <Qt>

#include "platform/emulated/physical_keys.h"

namespace orvo::qt {
namespace {

namespace qk = emu::qt_key;

// The shared key table holds Qt's key values as numbers; each must be Qt's own.
static_assert(qk::kSpace == Qt::Key_Space && qk::kComma == Qt::Key_Comma && qk::kMinus == Qt::Key_Minus);
static_assert(qk::kPeriod == Qt::Key_Period && qk::kSlash == Qt::Key_Slash && qk::kColon == Qt::Key_Colon);
static_assert(qk::kSemicolon == Qt::Key_Semicolon && qk::kAt == Qt::Key_At && qk::kYen == Qt::Key_yen);
static_assert(qk::kBracketLeft == Qt::Key_BracketLeft && qk::kBackslash == Qt::Key_Backslash);
static_assert(qk::kBracketRight == Qt::Key_BracketRight && qk::kAsciiCircum == Qt::Key_AsciiCircum);
static_assert(qk::kEscape == Qt::Key_Escape && qk::kTab == Qt::Key_Tab && qk::kBacktab == Qt::Key_Backtab);
static_assert(qk::kBackspace == Qt::Key_Backspace && qk::kReturn == Qt::Key_Return && qk::kEnter == Qt::Key_Enter);
static_assert(qk::kInsert == Qt::Key_Insert && qk::kMenu == Qt::Key_Menu);
static_assert(qk::kDelete == Qt::Key_Delete && qk::kHome == Qt::Key_Home && qk::kEnd == Qt::Key_End);
static_assert(qk::kLeft == Qt::Key_Left && qk::kUp == Qt::Key_Up && qk::kRight == Qt::Key_Right);
static_assert(qk::kDown == Qt::Key_Down && qk::kPageUp == Qt::Key_PageUp && qk::kPageDown == Qt::Key_PageDown);
static_assert(qk::kShift == Qt::Key_Shift && qk::kControl == Qt::Key_Control && qk::kMeta == Qt::Key_Meta);
static_assert(qk::kAlt == Qt::Key_Alt && qk::kCapsLock == Qt::Key_CapsLock && qk::kAltGr == Qt::Key_AltGr);
static_assert(qk::kF1 == Qt::Key_F1 && qk::kF1 + 9 == Qt::Key_F10 && qk::kF1 + 11 == Qt::Key_F12);
static_assert(qk::kKanji == Qt::Key_Kanji && qk::kMuhenkan == Qt::Key_Muhenkan && qk::kHenkan == Qt::Key_Henkan);
static_assert(qk::kHiragana == Qt::Key_Hiragana && qk::kKatakana == Qt::Key_Katakana);
static_assert(qk::kHiraganaKatakana == Qt::Key_Hiragana_Katakana && qk::kZenkakuHankaku == Qt::Key_Zenkaku_Hankaku);
static_assert('A' == Qt::Key_A && 'Z' == Qt::Key_Z && '0' == Qt::Key_0 && '9' == Qt::Key_9);

// clang-format off
// What Shift gives on the JIS layout, read back as the key it was typed on.
struct ShiftedRow {
  int shifted;
  int base;
};
constexpr ShiftedRow kShifted[] = {
    {Qt::Key_Exclam, Qt::Key_1},      {Qt::Key_QuoteDbl, Qt::Key_2},
    {Qt::Key_NumberSign, Qt::Key_3},  {Qt::Key_Dollar, Qt::Key_4},
    {Qt::Key_Percent, Qt::Key_5},     {Qt::Key_Ampersand, Qt::Key_6},
    {Qt::Key_Apostrophe, Qt::Key_7},  {Qt::Key_ParenLeft, Qt::Key_8},
    {Qt::Key_ParenRight, Qt::Key_9},  {Qt::Key_Equal, Qt::Key_Minus},
    {Qt::Key_AsciiTilde, Qt::Key_AsciiCircum}, {Qt::Key_Bar, Qt::Key_yen},
    {Qt::Key_QuoteLeft, Qt::Key_At},  {Qt::Key_BraceLeft, Qt::Key_BracketLeft},
    {Qt::Key_Plus, Qt::Key_Semicolon}, {Qt::Key_Asterisk, Qt::Key_Colon},
    {Qt::Key_BraceRight, Qt::Key_BracketRight}, {Qt::Key_Less, Qt::Key_Comma},
    {Qt::Key_Greater, Qt::Key_Period}, {Qt::Key_Question, Qt::Key_Slash},
    {Qt::Key_Underscore, Qt::Key_Backslash},
};
// clang-format on

std::optional<MappedKey> ByQtKey(int qt_key) {
  for (const ShiftedRow& row : kShifted) {
    if (row.shifted == qt_key) qt_key = row.base;
  }
  for (const emu::PhysicalKey& row : emu::PhysicalKeys()) {
    if (row.qt_key == qt_key) {
      if (row.vk == 0) return std::nullopt;
      return MappedKey{row.vk, row.scan};
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<MappedKey> MapKey(int qt_key, std::uint32_t native_code) {
  if (native_code != 0) {
    for (const emu::PhysicalKey& row : emu::PhysicalKeys()) {
      if (row.x_code == native_code) return MappedKey{row.vk, row.scan};
    }
  }
  return ByQtKey(qt_key);
}

}  // namespace orvo::qt
