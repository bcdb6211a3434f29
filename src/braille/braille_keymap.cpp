// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/braille_keymap.h"

#include <array>

#include "platform/keys.h"

namespace orvo::braille {
namespace {

// The dot keys, dots 1 to 6 in order, each with its weight inside its own column.
struct DotKey {
  int key;
  int weight;
};
constexpr std::array<DotKey, 6> kDotKeys = {{
    {'F', 1},
    {'D', 2},
    {'S', 4},  // dots 1 2 3
    {'J', 1},
    {'K', 2},
    {'L', 4},  // dots 4 5 6
}};

struct GuardedKey {
  int letter;
  int key;
};
constexpr std::array<GuardedKey, 3> kGuardedKeys = {{
    {'H', vk::kBack},
    {'N', vk::kReturn},
    {'G', vk::kDelete},
}};

// clang-format off
constexpr KeyBinding kBrailleKeys[] = {
    {vk::kBack,      KeyCommand::kBackspace},
    {vk::kTab,       KeyCommand::kTab},
    {vk::kReturn,    KeyCommand::kEnter},
    {vk::kShift,     KeyCommand::kShiftSelect},
    {vk::kControl,   KeyCommand::kCtrlPass},
    {vk::kMenu,      KeyCommand::kAltPass},
    {vk::kSpace,     KeyCommand::kSpace},
    {vk::kLeft,      KeyCommand::kLeft},
    {'U',            KeyCommand::kLeft},
    {vk::kRight,     KeyCommand::kRight},
    {'O',            KeyCommand::kRight},
    {vk::kUp,        KeyCommand::kUp},
    {'I',            KeyCommand::kUp},
    {vk::kDown,      KeyCommand::kDown},
    {'M',            KeyCommand::kDown},
    {vk::kDelete,    KeyCommand::kDelete},
    {'A',            KeyCommand::kLineEdge},
    {vk::kOemPlus,   KeyCommand::kLineEdge},
    {'C',            KeyCommand::kScrollLine},
    {'V',            KeyCommand::kScrollLine},
    {vk::kOemComma,  KeyCommand::kScrollSideways},
    {vk::kOemPeriod, KeyCommand::kScrollSideways},
    {'P',            KeyCommand::kTextEdge},
    {'Q',            KeyCommand::kTextEdge},
    {'T',            KeyCommand::kRetypeResult},
    {'W',            KeyCommand::kRetypeReading},
    {'Z',            KeyCommand::kContextMenu},
};
// clang-format on

}  // namespace

int DotOf(int key) {
  for (std::size_t i = 0; i < kDotKeys.size(); ++i) {
    if (kDotKeys[i].key == key) return static_cast<int>(i);
  }
  return -1;
}

int DotWeight(int dot) { return kDotKeys[static_cast<std::size_t>(dot)].weight; }

std::optional<int> RepeatGuardedKey(int key) {
  for (const GuardedKey& g : kGuardedKeys) {
    if (g.letter == key) return g.key;
  }
  return std::nullopt;
}

KeyCommand CommandOf(int key) {
  for (const KeyBinding& b : kBrailleKeys) {
    if (b.key == key) return b.command;
  }
  return KeyCommand::kSwallow;
}

}  // namespace orvo::braille
