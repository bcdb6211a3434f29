// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rest of the program as keystroke synthesis sees it, over a real
// emulated desktop: pending events run on the desktop, and focus requests,
// message boxes and capital-counter resets are recorded.
#include <vector>

#include "braille/key_synth.h"
#include "platform/emulated/desktop.h"

namespace orvo::test_support {

struct ShownMessage {
  ustring text;
  int flags;
  bool operator==(const ShownMessage&) const = default;
};

class FakeSynthHost : public braille::KeySynthHost {
 public:
  explicit FakeSynthHost(emu::Desktop& desktop) : desktop_(desktop) {}

  void DoEvents() override { desktop_.DoEvents(); }
  void FocusTextBox() override { focused = true; }
  MessageResult MsgBox(const ustring& text, MessageFlags flags) override {
    messages.push_back({text, flags.Code()});
    return MessageResult::kOk;
  }
  void ResetCapitalCount() override { ++capital_resets; }

  bool focused = false;
  std::vector<ShownMessage> messages;
  int capital_resets = 0;

 private:
  emu::Desktop& desktop_;
};

}  // namespace orvo::test_support
