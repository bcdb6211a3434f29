// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The IME services over the emulated desktop's text boxes: the input context
// of a text box is its window handle, and every keyboard layout is the
// Japanese IME.
#include "platform/emulated/desktop.h"
#include "platform/ime_service.h"

namespace orvo::emu {

class EmulatedIme : public ImeService {
 public:
  explicit EmulatedIme(Desktop& desktop) : desktop_(desktop) {}

  bool IsWindow(WindowHandle window) const override;
  KeyboardLayout CurrentLayout() const override { return kLayout; }
  bool IsIme(KeyboardLayout layout) const override { return layout == kLayout && !no_ime_; }
  ustring Description(KeyboardLayout layout) const override;
  bool IsNtFamily() const override { return true; }

  ImeContextHandle GetContext(WindowHandle window) override;
  void ReleaseContext(WindowHandle, ImeContextHandle) override {}

  int GetOpenStatus(ImeContextHandle context) const override;
  bool SetOpenStatus(ImeContextHandle context, bool open) override;
  bool GetConversionStatus(ImeContextHandle context, std::uint32_t& conversion,
                           std::uint32_t& sentence) const override;
  bool SetConversionStatus(ImeContextHandle context, std::uint32_t conversion,
                           std::uint32_t sentence) override;
  ustring GetCompositionString(ImeContextHandle context, std::uint32_t index) const override;
  bool GetCandidateChoice(ImeContextHandle context, int& selection, int& count) const override;

  // The conversion engine's name, which the IME's description ends with.
  void SetEngineName(ustring name) { engine_name_ = std::move(name); }

  // Tests stand in for a keyboard layout that is no IME.
  void SetNoIme(bool no_ime) { no_ime_ = no_ime; }

 private:
  static constexpr KeyboardLayout kLayout = 0xE0010411;  // Japanese IME
  Desktop& desktop_;
  bool no_ime_ = false;
  ustring engine_name_;
};

}  // namespace orvo::emu
