// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/key_router.h"

namespace orvo {

KeyRouter::Held KeyRouter::Track(const KeyEvent& event) {
  if (event.synthetic) return Held::kEvent;
  bool& held = held_[event.vk];
  if (event.up) {
    if (event.repeat) return Held::kNothing;
    held = false;
    return Held::kEvent;
  }
  if (held) return Held::kRepeat;
  if (event.repeat) return Held::kNothing;
  held = true;
  return Held::kEvent;
}

int KeyRouter::Deliver(const KeyEvent& event, Held held, int code, int shift_mask, Chain chain) {
  if (event.lost && chain.window != nullptr) chain.window->KeysLost();
  const auto deliver = [&](KeyHandler& to) {
    if (event.up) {
      to.KeyUp(code, shift_mask);
    } else if (held == Held::kRepeat) {
      to.KeyRepeat(code, shift_mask);
    } else {
      to.KeyDown(code, shift_mask);
    }
  };
  if (chain.window != nullptr) deliver(*chain.window);
  if (code != 0 && chain.control != nullptr && chain.control != chain.window) deliver(*chain.control);
  return code;
}

bool KeyRouter::MenuKeys(const KeyEvent& event, int code, KeyHandler* window, Modifiers mods) {
  if (window == nullptr) return false;
  if (event.vk == vk::kMenu) {
    // Alt alone: down and up with nothing between, neither cancelled, Ctrl not held.
    if (!event.up) {
      alt_alone_ = code != 0 && !mods.ctrl ? AltAlone::kDown : AltAlone::kSpoilt;
      return false;
    }
    const bool alone = alt_alone_ == AltAlone::kDown && code != 0;
    alt_alone_ = AltAlone::kNo;
    return alone && window->MenuKey(0);
  }
  if (!event.up && alt_alone_ == AltAlone::kDown) alt_alone_ = AltAlone::kSpoilt;
  if (event.up || code == 0) return false;
  if (event.vk == vk::kF10 && !mods.alt && !mods.ctrl && !mods.shift) return window->MenuKey(0);
  const bool letter = (event.vk >= 'A' && event.vk <= 'Z') || (event.vk >= '0' && event.vk <= '9');
  if (mods.alt && !mods.ctrl && letter) return window->MenuKey(static_cast<char16_t>(event.vk));
  return false;
}

char16_t KeyRouter::DeliverChar(char16_t ch, Chain chain) {
  if (ch != 0 && chain.window != nullptr) chain.window->KeyPress(ch);
  if (ch != 0 && chain.control != nullptr && chain.control != chain.window) chain.control->KeyPress(ch);
  return ch;
}

}  // namespace orvo
