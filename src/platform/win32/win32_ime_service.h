// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's IME services on Windows: the portable service over the
// system's IMM32.
#include "platform/native/imm_ime_service.h"
#include "platform/win32/imm32_calls.h"

namespace orvo::win32 {

namespace detail {
// Made before the service that holds on to it.
struct Imm32CallsHolder {
  Imm32Calls imm32;
};
}  // namespace detail

class Win32ImeService : private detail::Imm32CallsHolder, public native::ImmImeService {
 public:
  Win32ImeService() : native::ImmImeService(imm32) {}
};

}  // namespace orvo::win32
