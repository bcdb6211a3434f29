// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The emulated desktop: one input queue, the key state, key routing to the
// program's windows and controls, modal loops, and virtual time. The headless
// build runs on it, and so do the tests.
#include <cstdint>
#include <array>
#include <functional>
#include <vector>

#include "platform/emulated/clipboard_model.h"
#include "platform/emulated/input_queue.h"
#include "platform/emulated/key_state_table.h"
#include "platform/emulated/virtual_clock.h"
#include "platform/key_router.h"
#include "platform/keyboard.h"
#include "platform/windowing.h"

namespace orvo::emu {

class ConversionEngine;
class TextBox;

class Desktop : public Keyboard, public Windowing {
 public:
  Desktop();
  ~Desktop() override;

  // Keyboard
  bool SendKey(std::uint8_t vk, std::uint8_t scan, bool up) override;
  std::int16_t KeyState(std::uint8_t vk) const override { return keys_.State(vk); }
  bool HandlingOwnKey() const override { return handling_synthetic_; }

  // Windowing
  void DoEvents() override;
  void SetActiveWindow(KeyHandler* window) override { active_ = window; }
  KeyHandler* ActiveWindow() const override { return active_; }
  void SetFocus(KeyHandler* control, EditControl* edit) override;
  EditControl* FocusedEdit() const override { return focus_edit_; }
  bool RunModal(KeyHandler& window, const std::function<bool()>& done) override;
  std::unique_ptr<EditControl> CreateEditControl() override;

  // Input from a person or a script: queued like any other key event.
  void PostKey(const KeyEvent& event) { queue_.Push(event); }
  // Asked for more input when a modal loop finds the queue empty; it posts
  // keys or advances the clock, and returns false when input has ended.
  void SetInputSource(std::function<bool()> pull) { pull_ = std::move(pull); }
  bool PullInput() { return pull_ && pull_(); }
  int ModalDepth() const { return modal_depth_; }

  VirtualClock& Clock() { return clock_; }
  KeyStateTable& Keys() { return keys_; }
  const InputQueue& Queue() const { return queue_; }

  // Every synthetic key event, in the order it was sent.
  const std::vector<KeyEvent>& SyntheticLog() const { return synthetic_log_; }
  void ClearSyntheticLog() { synthetic_log_.clear(); }
  // Makes the next `count` keybd_event calls fail, as a refusing system would.
  void FailNextSends(int count) { fail_sends_ = count; }

  // The text boxes made here, by window handle (the IME's contexts).
  TextBox* FindTextBox(WindowHandle handle) const;
  // The conversion engine of the text boxes made from now on (null: built in).
  void SetConversionEngine(ConversionEngine* engine) { engine_ = engine; }
  // Whether the IMEs compose ヴ for VU, the code page having no ゔ; for every text box.
  void SetKatakanaVu(bool on);
  // The clipboard the text boxes cut, copy and paste with: the desktop's own
  // model unless a front end brings the system's (it must outlive the desktop).
  orvo::Clipboard& Clip() { return *clipboard_; }
  void SetClipboard(orvo::Clipboard& clipboard) { clipboard_ = &clipboard; }

  // Delivers one key event: key state, then the active window's preview,
  // then the focused control, then the control's own action.
  void Dispatch(const KeyEvent& event);

  // Sees each key event before anything else; true takes it from the program
  // (an open menu of a front end takes the keys, as a drop-down on a screen does).
  void SetKeyFilter(std::function<bool(const KeyEvent&)> filter) { filter_ = std::move(filter); }

 private:
  InputQueue queue_;
  KeyStateTable keys_;
  KeyRouter router_;  // held keys, the preview chain and the menu keys
  VirtualClock clock_;
  std::function<bool()> pull_;
  KeyHandler* active_ = nullptr;
  KeyHandler* focus_control_ = nullptr;
  EditControl* focus_edit_ = nullptr;
  std::vector<KeyEvent> synthetic_log_;
  int fail_sends_ = 0;
  bool handling_synthetic_ = false;  // the event Dispatch delivers now was sent by the program
  int modal_depth_ = 0;
  std::vector<EditControl**> saved_edits_;  // the focus each open modal loop gives back
  std::function<bool(const KeyEvent&)> filter_;
  std::vector<TextBox*> boxes_;
  ConversionEngine* engine_ = nullptr;
  bool katakana_vu_ = false;
  ClipboardModel own_clipboard_;
  orvo::Clipboard* clipboard_ = &own_clipboard_;
};

}  // namespace orvo::emu
