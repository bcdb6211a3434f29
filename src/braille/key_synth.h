// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Synthetic keystrokes: every key the program types into the text box and the
// IME, the Ctrl+Alt latch of braille mode, the modifier pass-through and Caps
// Lock handling. Each operation sends its events in a fixed order with fixed
// scan bytes, and lets them run through the program's own key handlers while
// SynthBusy is set.
#include <cstdint>

#include "braille/cell_codes.h"
#include "braille/input_state.h"
#include "toolkit/program_host.h"
#include "platform/keyboard.h"
#include "platform/text.h"

namespace orvo::braille {

// What the keystroke operations need from the rest of the program.
class KeySynthHost : public ProgramHost {
 public:
  virtual void ResetCapitalCount() = 0;  // the cell conversion's capital-sign counter
};

class KeySynth {
 public:
  KeySynth(Keyboard& keyboard, InputState& state, KeySynthHost& host)
      : keyboard_(keyboard), s_(state), host_(host) {}

  void SEND_EDIT_KEY(int key_code);
  void LATCH_ON();
  void LATCH_OFF();
  // A person's Ctrl or Alt let go while the latch holds it (held before
  // braille mode began): the latch presses it again. False for any other key.
  bool LatchAgain(int key_code);
  // The latch's keys pressed again where one went up while another window
  // had the keyboard (a box answered with Alt held and let go in it); a pass
  // or a Shift selection whose key was let go there is ended.
  void KeepLatch();
  void SEND_LATCH_ENTER();
  void Send_ARROW_Ctrl(int key_code);
  void Send_ARROW_Shift(int key_code);
  void SEND_SHIFT_SPACE();
  void SEND_SHIFT_F10();
  void SEND_CONTEXT_MENU();
  void SEND_VK(std::uint8_t vk, std::uint8_t scan);
  void SEND_SHIFT_VK(std::uint8_t vk, std::uint8_t scan);
  // The key GET_KEY_CODE found for a character, plain or with Shift, with
  // neither the latch nor its wrapping (re-typing a reading).
  void SEND_CHAR(const KeyCode& key);
  void SEND_CHAR_SHIFT(const KeyCode& key);
  void ALT_PASS_ON();
  void CTRL_PASS_ON();
  void PASS_END();
  void CAPS_SAVE_OFF();
  void CAPS_OFF();
  void CAPS_ON();
  void CAPS_RESTORE();
  bool KANA_LOCKED() const;
  // Enter through the keystroke queue, as a script would type it: no latch,
  // no SynthBusy (used after braille mode has already ended).
  void SendKeysEnter();
  bool RELEASE_CTRL_ALT();
  bool RELEASE_HELD_KEYS();

 private:
  void Down(std::uint8_t vk, std::uint8_t scan);
  void Up(std::uint8_t vk, std::uint8_t scan);
  void Tap(std::uint8_t vk, std::uint8_t scan);
  // LATCH_OFF, focus, SynthBusy; and afterwards events, LATCH_ON, SynthBusy off.
  void BeginWrapped();
  void EndWrapped();
  void TapCapsLock();

  Keyboard& keyboard_;
  InputState& s_;
  KeySynthHost& host_;
  bool failed_ = false;  // a platform call refused during the current operation
};

}  // namespace orvo::braille
