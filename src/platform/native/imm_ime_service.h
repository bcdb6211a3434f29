// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's IME services over the IMM calls: sizes asked first, buffers
// never overrun whatever the IME answers, texts cut at their first zero.
#include "platform/ime_service.h"
#include "platform/native/imm_calls.h"

namespace orvo::native {

class ImmImeService : public ImeService {
 public:
  // Longest composition string or description read, in characters; an IME
  // that claims more is read up to this.
  static constexpr std::uint32_t kMaxChars = 1 << 16;
  // The most of a candidate list read: its head is what is needed.
  static constexpr std::uint32_t kMaxListBytes = 1 << 20;

  explicit ImmImeService(ImmCalls& calls) : calls_(calls) {}

  bool IsWindow(WindowHandle window) const override;
  KeyboardLayout CurrentLayout() const override { return calls_.GetKeyboardLayout(); }
  bool IsIme(KeyboardLayout layout) const override { return calls_.ImmIsIME(layout); }
  ustring Description(KeyboardLayout layout) const override;
  // The program runs only on the NT family, whose input mode no program sets.
  bool IsNtFamily() const override { return true; }

  ImeContextHandle GetContext(WindowHandle window) override;
  void ReleaseContext(WindowHandle window, ImeContextHandle context) override;

  int GetOpenStatus(ImeContextHandle context) const override;
  bool SetOpenStatus(ImeContextHandle context, bool open) override;
  bool GetConversionStatus(ImeContextHandle context, std::uint32_t& conversion,
                           std::uint32_t& sentence) const override;
  bool SetConversionStatus(ImeContextHandle context, std::uint32_t conversion,
                           std::uint32_t sentence) override;
  ustring GetCompositionString(ImeContextHandle context, std::uint32_t index) const override;
  bool GetCandidateChoice(ImeContextHandle context, int& selection, int& count) const override;

 private:
  ImmCalls& calls_;
};

}  // namespace orvo::native
