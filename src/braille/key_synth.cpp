// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/key_synth.h"

#include "braille/braille_texts.h"
#include "platform/app_host.h"
#include "platform/keys.h"

namespace orvo::braille {
namespace {

struct KeyPair {
  std::uint8_t vk;
  std::uint8_t scan;
};

constexpr KeyPair kShift{vk::kShift, 0x70};
constexpr KeyPair kCtrl{vk::kControl, 0x74};
constexpr KeyPair kAlt{vk::kMenu, 0x73};
constexpr KeyPair kCapsLock{vk::kCapital, 0x71};
constexpr KeyPair kF10{vk::kF10, 0x6B};
constexpr KeyPair kEnter{vk::kReturn, 0x1C};

// The editing keys the program may send, with their scan bytes.
constexpr KeyPair kEditKeys[] = {
    {vk::kBack, 0x0E},  {vk::kTab, 0x0F},    {vk::kReturn, 0x1C}, {vk::kEscape, 0x00},
    {vk::kSpace, 0x34}, {vk::kLeft, 0x3B},   {vk::kUp, 0x3A},     {vk::kRight, 0x3C},
    {vk::kDown, 0x3D},  {vk::kDelete, 0x39}, {vk::kF7, 0x68},     {vk::kF8, 0x69},
    {vk::kF9, 0x6A},
};

constexpr KeyPair kLeftArrow{vk::kLeft, 0x3B};
constexpr KeyPair kRightArrow{vk::kRight, 0x3C};
constexpr KeyPair kDownArrow{vk::kDown, 0x3D};

// Keys that Send_ARROW_Ctrl and Send_ARROW_Shift turn into arrows.
struct ArrowRow {
  int key_code;
  KeyPair arrow;
};
constexpr ArrowRow kCtrlArrows[] = {
    {vk::kDown, kDownArrow}, {'M', kDownArrow},          {'A', kLeftArrow},
    {'Q', kLeftArrow},       {'P', kRightArrow},         {vk::kOemPlus, kRightArrow},
};
constexpr ArrowRow kShiftArrows[] = {
    {vk::kLeft, kLeftArrow},   {'A', kLeftArrow},  {'U', kLeftArrow},
    {vk::kRight, kRightArrow}, {'O', kRightArrow}, {vk::kOemPlus, kRightArrow},
};

template <typename Table>
const ArrowRow* FindArrow(const Table& table, int key_code) {
  for (const ArrowRow& row : table) {
    if (row.key_code == key_code) return &row;
  }
  return nullptr;
}

}  // namespace

void KeySynth::Down(std::uint8_t key, std::uint8_t scan) {
  if (!keyboard_.SendKey(key, scan, false)) failed_ = true;
}

void KeySynth::Up(std::uint8_t key, std::uint8_t scan) {
  if (!keyboard_.SendKey(key, scan, true)) failed_ = true;
}

void KeySynth::Tap(std::uint8_t key, std::uint8_t scan) {
  Down(key, scan);
  Up(key, scan);
}

void KeySynth::BeginWrapped() {
  LATCH_OFF();
  host_.FocusTextBox();
  s_.SynthBusy = true;
}

void KeySynth::EndWrapped() {
  host_.DoEvents();
  // The keys may have ended braille mode on their way (the text box full, the
  // window closing); the latch then must not come back.
  if (s_.BrailleMode) LATCH_ON();
  s_.SynthBusy = false;
}

void KeySynth::SEND_EDIT_KEY(int key_code) {
  for (const KeyPair& key : kEditKeys) {
    if (key.vk == key_code) {
      BeginWrapped();
      Tap(key.vk, key.scan);
      EndWrapped();
      return;
    }
  }
  host_.MsgBox(text::kCommandError, message::kWarning);
}

void KeySynth::LATCH_ON() {
  if (s_.LatchHeld) return;
  host_.FocusTextBox();
  s_.SynthBusy = true;
  Down(kAlt.vk, kAlt.scan);
  Down(kCtrl.vk, kCtrl.scan);
  host_.DoEvents();
  s_.LatchHeld = true;
  s_.SynthBusy = false;
  // Ctrl or Alt passing through ends with the latch back (a mode chosen while
  // Ctrl was held): its release is then the latch's to answer.
  s_.AltPass = false;
  s_.CtrlPass = false;
}

void KeySynth::LATCH_OFF() {
  if (!s_.LatchHeld) return;
  host_.FocusTextBox();
  s_.SynthBusy = true;
  Up(kCtrl.vk, kCtrl.scan);
  Up(kAlt.vk, kAlt.scan);
  host_.DoEvents();
  s_.LatchHeld = false;
  s_.SynthBusy = false;
}

bool KeySynth::LatchAgain(int key_code) {
  if (!s_.LatchHeld || keyboard_.HandlingOwnKey()) return false;
  if (key_code != kCtrl.vk && key_code != kAlt.vk) return false;
  KeepLatch();
  return true;
}

void KeySynth::KeepLatch() {
  if (s_.SynthBusy) return;
  // Ctrl or Alt passing through, let go in another window: the pass is over.
  if (s_.BrailleMode && ((s_.AltPass && !keyboard_.IsDown(kAlt.vk)) || (s_.CtrlPass && !keyboard_.IsDown(kCtrl.vk)))) {
    PASS_END();
    return;
  }
  // So is a selection whose Shift was let go there, and the latch is back.
  if (s_.BrailleMode && s_.ShiftSelect && !keyboard_.IsDown(kShift.vk)) {
    s_.ShiftSelect = false;
    if (!s_.LatchHeld) LATCH_ON();
  }
  if (!s_.LatchHeld) return;
  bool sent = false;
  for (const KeyPair* key : {&kAlt, &kCtrl}) {
    if (keyboard_.IsDown(key->vk)) continue;
    s_.SynthBusy = true;
    Down(key->vk, key->scan);
    sent = true;
  }
  if (!sent) return;
  host_.DoEvents();
  s_.SynthBusy = false;
}

void KeySynth::SEND_LATCH_ENTER() {
  if (!s_.LatchHeld) return;
  host_.FocusTextBox();
  s_.SynthBusy = true;
  Up(kAlt.vk, kAlt.scan);
  s_.LatchHeld = false;
  Tap(kEnter.vk, kEnter.scan);
  Down(kAlt.vk, kAlt.scan);
  host_.DoEvents();
  s_.LatchHeld = true;
  s_.SynthBusy = false;
}

void KeySynth::Send_ARROW_Ctrl(int key_code) {
  const ArrowRow* row = FindArrow(kCtrlArrows, key_code);
  if (row == nullptr) {
    host_.MsgBox(text::kArrowCtrlError, message::kWarning);
    return;
  }
  BeginWrapped();
  Down(kCtrl.vk, kCtrl.scan);
  Tap(row->arrow.vk, row->arrow.scan);
  Up(kCtrl.vk, kCtrl.scan);
  EndWrapped();
}

void KeySynth::Send_ARROW_Shift(int key_code) {
  const ArrowRow* row = FindArrow(kShiftArrows, key_code);
  if (row == nullptr) return;
  BeginWrapped();
  Down(kShift.vk, kShift.scan);
  Tap(row->arrow.vk, row->arrow.scan);
  Up(kShift.vk, kShift.scan);
  EndWrapped();
}

void KeySynth::SEND_SHIFT_SPACE() {
  BeginWrapped();
  Down(kShift.vk, kShift.scan);
  Tap(vk::kSpace, 0x34);
  Up(kShift.vk, kShift.scan);
  EndWrapped();
}

void KeySynth::SEND_SHIFT_F10() {
  const bool braille = s_.BrailleMode;
  if (braille) LATCH_OFF();
  host_.FocusTextBox();
  s_.SynthBusy = true;
  Down(kShift.vk, kShift.scan);
  Tap(kF10.vk, kF10.scan);
  Up(kShift.vk, kShift.scan);
  host_.DoEvents();
  if (braille) LATCH_ON();
  s_.SynthBusy = false;
  s_.ShiftSelect = false;
}

void KeySynth::SEND_CONTEXT_MENU() {
  SEND_SHIFT_F10();
  s_.ShiftSelect = false;
}

void KeySynth::SEND_VK(std::uint8_t key, std::uint8_t scan) {
  BeginWrapped();
  Tap(key, scan);
  EndWrapped();
}

void KeySynth::SEND_SHIFT_VK(std::uint8_t key, std::uint8_t scan) {
  BeginWrapped();
  Down(kShift.vk, kShift.scan);
  Tap(key, scan);
  Up(kShift.vk, kShift.scan);
  EndWrapped();
}

void KeySynth::SEND_CHAR(const KeyCode& key) {
  host_.FocusTextBox();
  s_.SynthBusy = true;
  Tap(key.KeyVK, key.KeyScan);
  host_.DoEvents();
  s_.SynthBusy = false;
}

void KeySynth::SEND_CHAR_SHIFT(const KeyCode& key) {
  host_.FocusTextBox();
  s_.SynthBusy = true;
  Down(kShift.vk, kShift.scan);
  Tap(key.KeyVK, key.KeyScan);
  Up(kShift.vk, kShift.scan);
  host_.DoEvents();
  s_.SynthBusy = false;
}

void KeySynth::ALT_PASS_ON() {
  LATCH_OFF();
  host_.FocusTextBox();
  s_.SynthBusy = true;
  Down(kAlt.vk, kAlt.scan);
  host_.DoEvents();
  s_.SynthBusy = false;
  s_.AltPass = true;
}

void KeySynth::CTRL_PASS_ON() {
  LATCH_OFF();
  host_.FocusTextBox();
  s_.SynthBusy = true;
  Down(kCtrl.vk, kCtrl.scan);
  host_.DoEvents();
  s_.SynthBusy = false;
  s_.CtrlPass = true;
}

void KeySynth::PASS_END() {
  LATCH_ON();
  s_.AltPass = false;
  s_.CtrlPass = false;
  KeepLatch();
}

void KeySynth::TapCapsLock() {
  host_.FocusTextBox();
  Tap(kCapsLock.vk, kCapsLock.scan);
  host_.DoEvents();
}

void KeySynth::CAPS_SAVE_OFF() {
  s_.CapsSaved = keyboard_.IsToggled(vk::kCapital);
  if (s_.CapsSaved) TapCapsLock();
  host_.ResetCapitalCount();
}

void KeySynth::CAPS_OFF() {
  if (keyboard_.IsToggled(vk::kCapital)) TapCapsLock();
}

void KeySynth::CAPS_ON() {
  if (!keyboard_.IsToggled(vk::kCapital)) TapCapsLock();
}

void KeySynth::CAPS_RESTORE() {
  if (keyboard_.IsToggled(vk::kCapital) != s_.CapsSaved) TapCapsLock();
  host_.ResetCapitalCount();
}

void KeySynth::SendKeysEnter() {
  Tap(kEnter.vk, kEnter.scan);
  host_.DoEvents();
}

bool KeySynth::KANA_LOCKED() const { return keyboard_.IsToggled(vk::kKana); }

bool KeySynth::RELEASE_CTRL_ALT() {
  failed_ = false;
  Up(kCtrl.vk, kCtrl.scan);
  Up(kAlt.vk, kAlt.scan);
  host_.DoEvents();
  if (failed_) return false;
  s_.LatchHeld = false;
  return true;
}

bool KeySynth::RELEASE_HELD_KEYS() {
  failed_ = false;
  for (const KeyPair& key : {kCtrl, kAlt, kShift}) {
    if (keyboard_.IsDown(key.vk)) Up(key.vk, key.scan);
  }
  host_.DoEvents();
  if (failed_) {
    host_.MsgBox(text::kSendFailed, message::kPlain);
    return false;
  }
  s_.LatchHeld = false;
  return true;
}

}  // namespace orvo::braille
