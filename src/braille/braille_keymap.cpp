#include "braille/braille_keymap.h"

#include <array>

#include "platform/keys.h"

namespace orvo::braille {
namespace {

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
