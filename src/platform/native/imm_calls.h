// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The input-method calls the program makes on Windows (IMM32 and the two
// user32 calls beside them), in their own shapes: BOOL results, composition
// strings by the byte with a size query first, negative error values. The
// service over them is the same code on every system; on Windows the calls
// are the system's, elsewhere a fake over the emulated IME answers them.
#include <cstdint>

namespace orvo::native {

using Hwnd = std::uintptr_t;
using Himc = std::uintptr_t;  // an input context
using Hkl = std::uintptr_t;   // a keyboard layout

namespace imm_error {
inline constexpr long kNoData = -1;   // IMM_ERROR_NODATA
inline constexpr long kGeneral = -2;  // IMM_ERROR_GENERAL
}  // namespace imm_error

class ImmCalls {
 public:
  virtual ~ImmCalls() = default;

  virtual bool IsWindow(Hwnd window) = 0;
  virtual Hkl GetKeyboardLayout() = 0;  // the calling thread's
  virtual bool ImmIsIME(Hkl layout) = 0;
  // With no buffer: the characters the description takes, without the final
  // zero. Otherwise: the characters copied into at most `chars`.
  virtual unsigned ImmGetDescriptionW(Hkl layout, char16_t* buffer, unsigned chars) = 0;

  virtual Himc ImmGetContext(Hwnd window) = 0;  // 0: none
  virtual bool ImmReleaseContext(Hwnd window, Himc context) = 0;
  virtual bool ImmGetOpenStatus(Himc context) = 0;
  virtual bool ImmSetOpenStatus(Himc context, bool open) = 0;
  virtual bool ImmGetConversionStatus(Himc context, std::uint32_t* conversion,
                                      std::uint32_t* sentence) = 0;
  virtual bool ImmSetConversionStatus(Himc context, std::uint32_t conversion,
                                      std::uint32_t sentence) = 0;
  // With no buffer: the bytes the string takes. Otherwise: the bytes copied
  // into at most `bytes`. Negative: an imm_error value.
  virtual long ImmGetCompositionStringW(Himc context, std::uint32_t index, void* buffer,
                                        std::uint32_t bytes) = 0;
  // A CANDIDATELIST: with no buffer, the bytes it takes; otherwise the bytes
  // copied into at most `bytes`. 0: no list is open.
  virtual std::uint32_t ImmGetCandidateListW(Himc context, std::uint32_t index, void* buffer,
                                             std::uint32_t bytes) = 0;
};

}  // namespace orvo::native
