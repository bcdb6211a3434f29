// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The IMM calls answered by the emulated IME, as IMM32 answers them: an
// input context of its own per window (not the window's handle), strings by
// the byte, descriptions by the character. It counts the contexts taken and
// not given back, and can misbehave as a faulty IME does.
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/emulated/emulated_ime.h"
#include "platform/native/imm_calls.h"

namespace orvo::testing {

class EmulatedImmCalls : public native::ImmCalls {
 public:
  explicit EmulatedImmCalls(emu::EmulatedIme& ime) : ime_(ime) {}

  bool IsWindow(native::Hwnd window) override { return ime_.IsWindow(window); }
  native::Hkl GetKeyboardLayout() override { return ime_.CurrentLayout(); }
  bool ImmIsIME(native::Hkl layout) override { return ime_.IsIme(layout); }
  unsigned ImmGetDescriptionW(native::Hkl layout, char16_t* buffer, unsigned chars) override {
    const ustring text = description.value_or(ime_.Description(layout));
    if (buffer == nullptr) return static_cast<unsigned>(text.size());
    if (chars == 0) return 0;
    const std::size_t copied = std::min<std::size_t>(text.size(), chars - 1);
    std::copy_n(text.data(), copied, buffer);
    buffer[copied] = u'\0';
    return static_cast<unsigned>(copied);
  }

  native::Himc ImmGetContext(native::Hwnd window) override {
    if (!ime_.IsWindow(window)) return 0;
    ++taken;
    return window + kContextOffset;
  }
  bool ImmReleaseContext(native::Hwnd window, native::Himc context) override {
    if (context != window + kContextOffset) return false;
    --taken;
    return true;
  }
  bool ImmGetOpenStatus(native::Himc context) override {
    return ime_.GetOpenStatus(WindowOf(context)) == 1;
  }
  bool ImmSetOpenStatus(native::Himc context, bool open) override {
    return ime_.SetOpenStatus(WindowOf(context), open);
  }
  bool ImmGetConversionStatus(native::Himc context, std::uint32_t* conversion,
                              std::uint32_t* sentence) override {
    std::uint32_t c = 0;
    std::uint32_t s = 0;
    if (!ime_.GetConversionStatus(WindowOf(context), c, s)) return false;
    if (conversion != nullptr) *conversion = c;
    if (sentence != nullptr) *sentence = s;
    return true;
  }
  bool ImmSetConversionStatus(native::Himc context, std::uint32_t conversion,
                              std::uint32_t sentence) override {
    return ime_.SetConversionStatus(WindowOf(context), conversion, sentence);
  }
  long ImmGetCompositionStringW(native::Himc context, std::uint32_t index, void* buffer,
                                std::uint32_t bytes) override {
    if (!ime_.IsWindow(WindowOf(context))) return native::imm_error::kGeneral;
    if (error != 0) return error;
    ustring text = ime_.GetCompositionString(WindowOf(context), index);
    if (buffer != nullptr) text += grow_before_fetch;  // the IME moved on between the calls
    const long size = static_cast<long>(text.size() * 2) + odd_byte;
    if (buffer == nullptr) return size;
    const std::uint32_t copied = std::min<std::uint32_t>(static_cast<std::uint32_t>(text.size() * 2), bytes);
    std::memcpy(buffer, text.data(), copied);
    return claim_all ? size : static_cast<long>(copied);
  }

  // A list of the emulated IME's choice with no strings: the head, and one
  // offset per candidate, which the service does not read.
  std::uint32_t ImmGetCandidateListW(native::Himc context, std::uint32_t, void* buffer,
                                     std::uint32_t bytes) override {
    int selection = 0;
    int count = 0;
    if (!ime_.GetCandidateChoice(WindowOf(context), selection, count)) return 0;
    std::vector<std::uint32_t> list(6 + static_cast<std::size_t>(count), 0);
    list[0] = static_cast<std::uint32_t>(list.size() * 4);
    list[2] = static_cast<std::uint32_t>(count);
    list[3] = static_cast<std::uint32_t>(selection);
    list[5] = 9;  // a page of nine
    if (buffer == nullptr) return list[0];
    if (bytes < list[0]) return 0;  // as the system does: a short buffer gets nothing
    std::memcpy(buffer, list.data(), list[0]);
    return list[0];
  }

  // Contexts taken and not released.
  int taken = 0;
  // Misbehaviour: a description of its own; strings that grow between the
  // size query and the copy; a count one byte odd; a copy that claims the
  // whole string whatever the room; an error for every string.
  std::optional<ustring> description;
  ustring grow_before_fetch;
  long odd_byte = 0;
  bool claim_all = false;
  long error = 0;

 private:
  static constexpr native::Himc kContextOffset = 0x70000;
  static native::Hwnd WindowOf(native::Himc context) {
    return context >= kContextOffset ? context - kContextOffset : 0;
  }
  emu::EmulatedIme& ime_;
};

}  // namespace orvo::testing
