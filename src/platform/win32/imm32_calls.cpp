// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/imm32_calls.h"

#include <windows.h>
#include <imm.h>

namespace orvo::win32 {
namespace {

HWND AsWindow(native::Hwnd window) { return reinterpret_cast<HWND>(window); }
HIMC AsContext(native::Himc context) { return reinterpret_cast<HIMC>(context); }
HKL AsLayout(native::Hkl layout) { return reinterpret_cast<HKL>(layout); }

}  // namespace

bool Imm32Calls::IsWindow(native::Hwnd window) { return ::IsWindow(AsWindow(window)) != FALSE; }

native::Hkl Imm32Calls::GetKeyboardLayout() {
  return reinterpret_cast<native::Hkl>(::GetKeyboardLayout(0));
}

bool Imm32Calls::ImmIsIME(native::Hkl layout) { return ::ImmIsIME(AsLayout(layout)) != FALSE; }

unsigned Imm32Calls::ImmGetDescriptionW(native::Hkl layout, char16_t* buffer, unsigned chars) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  return ::ImmGetDescriptionW(AsLayout(layout), reinterpret_cast<wchar_t*>(buffer), chars);
}

native::Himc Imm32Calls::ImmGetContext(native::Hwnd window) {
  return reinterpret_cast<native::Himc>(::ImmGetContext(AsWindow(window)));
}

bool Imm32Calls::ImmReleaseContext(native::Hwnd window, native::Himc context) {
  return ::ImmReleaseContext(AsWindow(window), AsContext(context)) != FALSE;
}

bool Imm32Calls::ImmGetOpenStatus(native::Himc context) {
  return ::ImmGetOpenStatus(AsContext(context)) != FALSE;
}

bool Imm32Calls::ImmSetOpenStatus(native::Himc context, bool open) {
  return ::ImmSetOpenStatus(AsContext(context), open ? TRUE : FALSE) != FALSE;
}

bool Imm32Calls::ImmGetConversionStatus(native::Himc context, std::uint32_t* conversion,
                                        std::uint32_t* sentence) {
  DWORD read_conversion = 0;
  DWORD read_sentence = 0;
  if (!::ImmGetConversionStatus(AsContext(context), &read_conversion, &read_sentence)) return false;
  if (conversion != nullptr) *conversion = read_conversion;
  if (sentence != nullptr) *sentence = read_sentence;
  return true;
}

bool Imm32Calls::ImmSetConversionStatus(native::Himc context, std::uint32_t conversion,
                                        std::uint32_t sentence) {
  return ::ImmSetConversionStatus(AsContext(context), conversion, sentence) != FALSE;
}

long Imm32Calls::ImmGetCompositionStringW(native::Himc context, std::uint32_t index, void* buffer,
                                          std::uint32_t bytes) {
  return ::ImmGetCompositionStringW(AsContext(context), index, buffer, buffer == nullptr ? 0 : bytes);
}

std::uint32_t Imm32Calls::ImmGetCandidateListW(native::Himc context, std::uint32_t index, void* buffer,
                                               std::uint32_t bytes) {
  return ::ImmGetCandidateListW(AsContext(context), index, static_cast<CANDIDATELIST*>(buffer),
                                buffer == nullptr ? 0 : bytes);
}

}  // namespace orvo::win32
