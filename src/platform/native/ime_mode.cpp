// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native/ime_mode.h"

#include "platform/ime_service.h"

namespace orvo::native {
namespace {

using namespace ime_cmode;

// The input-mode bits of the conversion mode; the rest (romaji input) stays.
constexpr std::uint32_t kInputBits = kNative | kKatakana | kFullShape;

struct ModeRow {
  int mode;
  bool open;
  bool sets_input;     // whether `bits` replace the input-mode bits
  std::uint32_t bits;
};

// clang-format off
constexpr ModeRow kModes[] = {
    {1, true, false, 0},
    {2, false, false, 0},
    {3, false, false, 0},
    {4, true, true, kNative | kFullShape},
    {5, true, true, kNative | kKatakana | kFullShape},
    {6, true, true, kNative | kKatakana},
    {7, true, true, kFullShape},
    {8, true, true, 0},
};
// clang-format on

}  // namespace

bool ApplyImeMode(ImmCalls& calls, Himc context, int mode) {
  if (context == 0) return false;
  for (const ModeRow& row : kModes) {
    if (row.mode != mode) continue;
    if (row.sets_input) {
      std::uint32_t conversion = 0;
      std::uint32_t sentence = 0;
      if (!calls.ImmGetConversionStatus(context, &conversion, &sentence)) return false;
      if (!calls.ImmSetConversionStatus(context, (conversion & ~kInputBits) | row.bits, sentence)) {
        return false;
      }
    }
    return calls.ImmSetOpenStatus(context, row.open);
  }
  return true;  // no control of the IME
}

}  // namespace orvo::native
