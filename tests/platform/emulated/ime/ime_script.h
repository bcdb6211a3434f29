// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays a key script into the IME: plain characters are typed as the layout
// would give them, {Name} is a special key, S- and C- before a name hold Shift
// or Ctrl ("kya{Left}{BS}", "{S-Left}", "{C-Down}").
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/emulated/ime/ime_emulator.h"
#include "platform/keys.h"

namespace orvo::emu::testing {

struct NamedKey {
  std::u16string_view name;
  std::uint8_t vk;
};

// clang-format off
inline constexpr NamedKey kNamedKeys[] = {
    {u"Enter", vk::kReturn}, {u"BS", vk::kBack}, {u"Del", vk::kDelete}, {u"Esc", vk::kEscape},
    {u"Space", vk::kSpace}, {u"Tab", vk::kTab}, {u"Left", vk::kLeft}, {u"Right", vk::kRight},
    {u"Up", vk::kUp}, {u"Down", vk::kDown}, {u"Home", vk::kHome}, {u"End", vk::kEnd},
    {u"PgDn", vk::kNext}, {u"Shift", vk::kShift}, {u"Kanji", vk::kKanji},
    {u"F1", vk::kF1}, {u"F2", vk::kF2}, {u"F3", vk::kF3}, {u"F4", vk::kF4}, {u"F5", vk::kF5},
    {u"F11", vk::kF11}, {u"F12", vk::kF12}, {u"F6", vk::kF6}, {u"F7", vk::kF7}, {u"F8", vk::kF8}, {u"F9", vk::kF9}, {u"F10", vk::kF10},
};
// clang-format on

inline ImeKey CharKey(char16_t ch) {
  ImeKey key;
  key.ch = ch;
  if (ch >= u'a' && ch <= u'z') {
    key.vk = static_cast<std::uint8_t>(ch - u'a' + u'A');
  } else if ((ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9')) {
    key.vk = static_cast<std::uint8_t>(ch);
    key.shift = ch >= u'A';
  } else {
    key.vk = vk::kOem1;  // which symbol key does not matter to the IME
  }
  return key;
}

inline ImeKey NameKey(std::u16string_view name) {
  ImeKey key;
  for (;;) {
    if (name.starts_with(u"S-")) {
      key.shift = true;
    } else if (name.starts_with(u"C-")) {
      key.ctrl = true;
    } else if (name.starts_with(u"A-")) {
      key.alt = true;
    } else {
      break;
    }
    name.remove_prefix(2);
  }
  for (const NamedKey& named : kNamedKeys) {
    if (named.name == name) {
      key.vk = named.vk;
      if (key.vk == vk::kSpace) key.ch = u' ';
      return key;
    }
  }
  if (name.size() == 1) {  // a held modifier with a character key: {C-a}
    const ImeKey plain = CharKey(name[0]);
    key.vk = plain.vk;
    key.ch = plain.ch;
    return key;
  }
  ADD_FAILURE() << "unknown key name in script";
  return key;
}

// UTF-8 for readable failure messages.
inline std::string U8(std::u16string_view text) { return ToUtf8(text); }

// Returns how many of the keys the IME took.
inline int Play(ImeEmulator& ime, std::u16string_view script) {
  int taken = 0;
  while (!script.empty()) {
    ImeKey key;
    if (script.front() == u'{') {
      const auto close = script.find(u'}');
      if (close == std::u16string_view::npos) {
        ADD_FAILURE() << "unclosed key name in script";
        break;
      }
      key = NameKey(script.substr(1, close - 1));
      script.remove_prefix(close + 1);
    } else {
      key = CharKey(script.front());
      script.remove_prefix(1);
    }
    if (ime.KeyDown(key)) ++taken;
  }
  return taken;
}

// An IME switched on in hiragana mode whose confirmed text collects in `typed`.
struct ImeFixture : ::testing::Test {
  ImeFixture() {
    ime.SetImeMode(4);
    ime.SetCommitSink([this](const ustring& text) { typed += text; });
  }
  ImeEmulator ime;
  std::u16string typed;
};

}  // namespace orvo::emu::testing
