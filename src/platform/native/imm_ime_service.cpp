// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native/imm_ime_service.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace orvo::native {
namespace {

// The text up to its first zero.
ustring UpToZero(ustring text) {
  const std::size_t zero = text.find(u'\0');
  if (zero != ustring::npos) text.resize(zero);
  return text;
}

}  // namespace

bool ImmImeService::IsWindow(WindowHandle window) const {
  return window != 0 && calls_.IsWindow(window);
}

ustring ImmImeService::Description(KeyboardLayout layout) const {
  const unsigned needed = std::min<unsigned>(calls_.ImmGetDescriptionW(layout, nullptr, 0), kMaxChars);
  if (needed == 0) return {};
  // Room for the final zero the call writes.
  ustring text(needed + 1, u'\0');
  const unsigned copied = calls_.ImmGetDescriptionW(layout, text.data(), needed + 1);
  text.resize(std::min<std::size_t>(copied, needed + 1));
  return UpToZero(std::move(text));
}

ImeContextHandle ImmImeService::GetContext(WindowHandle window) {
  return window == 0 ? 0 : calls_.ImmGetContext(window);
}

void ImmImeService::ReleaseContext(WindowHandle window, ImeContextHandle context) {
  if (context != 0) calls_.ImmReleaseContext(window, context);
}

int ImmImeService::GetOpenStatus(ImeContextHandle context) const {
  if (context == 0) return -1;
  return calls_.ImmGetOpenStatus(context) ? 1 : 0;
}

bool ImmImeService::SetOpenStatus(ImeContextHandle context, bool open) {
  return context != 0 && calls_.ImmSetOpenStatus(context, open);
}

bool ImmImeService::GetConversionStatus(ImeContextHandle context, std::uint32_t& conversion,
                                        std::uint32_t& sentence) const {
  if (context == 0) return false;
  std::uint32_t read_conversion = 0;
  std::uint32_t read_sentence = 0;
  if (!calls_.ImmGetConversionStatus(context, &read_conversion, &read_sentence)) return false;
  conversion = read_conversion;
  sentence = read_sentence;
  return true;
}

bool ImmImeService::SetConversionStatus(ImeContextHandle context, std::uint32_t conversion,
                                        std::uint32_t sentence) {
  return context != 0 && calls_.ImmSetConversionStatus(context, conversion, sentence);
}

ustring ImmImeService::GetCompositionString(ImeContextHandle context, std::uint32_t index) const {
  if (context == 0) return {};
  const long needed = calls_.ImmGetCompositionStringW(context, index, nullptr, 0);
  if (needed <= 0) return {};
  // Whole characters only: an odd byte at the end is no character.
  const std::uint32_t chars =
      std::min<std::uint32_t>(static_cast<std::uint32_t>(needed) / 2, kMaxChars);
  if (chars == 0) return {};
  ustring text(chars, u'\0');
  const std::uint32_t room = chars * 2;
  const long copied = calls_.ImmGetCompositionStringW(context, index, text.data(), room);
  if (copied <= 0) return {};
  // The composition may have changed between the two calls: what was copied
  // counts, never more than the buffer holds.
  text.resize(std::min<std::uint32_t>(static_cast<std::uint32_t>(copied), room) / 2);
  return UpToZero(std::move(text));
}

bool ImmImeService::GetCandidateChoice(ImeContextHandle context, int& selection, int& count) const {
  if (context == 0) return false;
  // The list's head: its size, style, count, selection, page start and page
  // size, each a 32-bit number; the candidates' offsets and strings follow.
  constexpr std::uint32_t kHead = 6 * sizeof(std::uint32_t);
  const std::uint32_t needed = calls_.ImmGetCandidateListW(context, 0, nullptr, 0);
  if (needed < kHead) return false;
  std::vector<std::uint32_t> list((std::min(needed, kMaxListBytes) + 3) / 4, 0);
  const std::uint32_t room = static_cast<std::uint32_t>(list.size() * 4);
  if (calls_.ImmGetCandidateListW(context, 0, list.data(), room) < kHead) return false;
  const std::uint32_t total = list[2];
  const std::uint32_t chosen = list[3];
  if (total == 0 || chosen >= total || total > static_cast<std::uint32_t>(INT32_MAX)) return false;
  selection = static_cast<int>(chosen);
  count = static_cast<int>(total);
  return true;
}

}  // namespace orvo::native
