// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The IMM calls answered by the system's IMM32: what ImmImeService runs on
// in the Windows program.
#include "platform/native/imm_calls.h"

namespace orvo::win32 {

class Imm32Calls : public native::ImmCalls {
 public:
  bool IsWindow(native::Hwnd window) override;
  native::Hkl GetKeyboardLayout() override;
  bool ImmIsIME(native::Hkl layout) override;
  unsigned ImmGetDescriptionW(native::Hkl layout, char16_t* buffer, unsigned chars) override;
  native::Himc ImmGetContext(native::Hwnd window) override;
  bool ImmReleaseContext(native::Hwnd window, native::Himc context) override;
  bool ImmGetOpenStatus(native::Himc context) override;
  bool ImmSetOpenStatus(native::Himc context, bool open) override;
  bool ImmGetConversionStatus(native::Himc context, std::uint32_t* conversion,
                              std::uint32_t* sentence) override;
  bool ImmSetConversionStatus(native::Himc context, std::uint32_t conversion,
                              std::uint32_t sentence) override;
  long ImmGetCompositionStringW(native::Himc context, std::uint32_t index, void* buffer,
                                std::uint32_t bytes) override;
  std::uint32_t ImmGetCandidateListW(native::Himc context, std::uint32_t index, void* buffer,
                                     std::uint32_t bytes) override;
};

}  // namespace orvo::win32
