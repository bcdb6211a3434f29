// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The emulated document text box: the edit-control model with the IME
// emulator attached, acting on keys as a Windows EDIT control does.
#include <functional>

#include "platform/clipboard.h"
#include "platform/emulated/edit/edit_control_model.h"
#include "platform/emulated/ime/ime_emulator.h"
#include "platform/emulated/key_sink.h"

namespace orvo::emu {

class TextBox : public EditControlModel, public KeySink {
 public:
  // clipboard: where the desktop keeps its clipboard, which may change.
  TextBox(orvo::Clipboard* const& clipboard, ConversionEngine* engine);
  ~TextBox() override;

  void SetImeMode(int mode) override;

  bool ImeFilter(std::uint8_t vk, const KeyStateTable& keys) override;
  char16_t TranslateChar(std::uint8_t vk, const KeyStateTable& keys) const override;
  void KeyDownAction(std::uint8_t vk, const KeyStateTable& keys) override;
  void CharAction(char16_t ch) override;
  void FocusLost() override { ime_.CancelComposition(); }

  // The edit control's own clipboard commands (Ctrl+X, Ctrl+C, Ctrl+V and
  // their Shift+Delete, Ctrl+Insert, Shift+Insert twins, and its pop-up menu).
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();

  ImeEmulator& Ime() { return ime_; }
  const ImeEmulator& Ime() const { return ime_; }
  void SetOnDestroy(std::function<void(TextBox*)> on_destroy) { on_destroy_ = std::move(on_destroy); }

 private:
  orvo::Clipboard* const& clipboard_;
  ImeEmulator ime_;
  std::function<void(TextBox*)> on_destroy_;
};

}  // namespace orvo::emu
