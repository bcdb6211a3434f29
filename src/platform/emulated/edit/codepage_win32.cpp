// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions by Windows' own code page functions: no best-fit
// substitutes when encoding (a character CP932 lacks is not quietly turned
// into a look-alike), invalid bytes refused when decoding. Where a whole text
// does not convert cleanly it is converted again piece by piece, to find and
// count what was substituted, as iconv reports it on Linux.
#include "platform/emulated/edit/codepage.h"

#include <windows.h>

#include <string>

namespace orvo::emu {
namespace {

constexpr UINT kCp932 = 932;

UINT Number(CodePage code_page) {
  switch (code_page) {
    case CodePage::kCp932:
      return kCp932;
    case CodePage::kUtf8:
      return CP_UTF8;
    case CodePage::kLocale:
      break;
  }
  return GetACP();
}

bool IsHighSurrogate(char16_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }
bool IsLowSurrogate(char16_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }

const wchar_t* Wide(ustring_view text) { return reinterpret_cast<const wchar_t*>(text.data()); }

// The bytes of `text` in the code page; false when a character has none
// (nothing is appended then).
bool EncodeClean(ustring_view text, UINT cp, std::string& out) {
  if (text.empty()) return true;
  const bool utf8 = cp == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL used_default = FALSE;
  BOOL* used = utf8 ? nullptr : &used_default;
  const int length = static_cast<int>(text.size());
  const int need = WideCharToMultiByte(cp, flags, Wide(text), length, nullptr, 0, nullptr, used);
  if (need <= 0 || used_default) return false;
  const std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(need));
  const int made = WideCharToMultiByte(cp, flags, Wide(text), length, out.data() + at, need, nullptr, used);
  if (made != need || used_default) {
    out.resize(at);
    return false;
  }
  return true;
}

// The text of `bytes`; false when they are not text in the code page.
bool DecodeClean(std::string_view bytes, UINT cp, ustring& out) {
  if (bytes.empty()) return true;
  const int length = static_cast<int>(bytes.size());
  const int need = MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (need <= 0) return false;
  const std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(need));
  auto* target = reinterpret_cast<wchar_t*>(out.data() + at);
  if (MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, bytes.data(), length, target, need) != need) {
    out.resize(at);
    return false;
  }
  return true;
}

// How many bytes the character starting at `at` takes in the code page, as
// far as its first byte tells.
std::size_t SequenceLength(std::string_view bytes, std::size_t at, UINT cp) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  if (cp == CP_UTF8) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    return 1;
  }
  return IsDBCSLeadByteEx(cp, lead) ? 2 : 1;
}

// True when the bytes from `at` to the end begin a character that the end cuts off.
bool CutOff(std::string_view bytes, std::size_t at, std::size_t length) {
  if (at + length <= bytes.size()) return false;
  for (std::size_t i = at + 1; i < bytes.size(); ++i) {
    const auto follower = static_cast<unsigned char>(bytes[i]);
    if (follower < 0x80 || follower > 0xBF) return false;  // UTF-8's continuation bytes only
  }
  return true;
}

}  // namespace

std::string CharsetName(CodePage code_page) {
  const UINT cp = Number(code_page);
  if (cp == CP_UTF8) return "UTF-8";
  return "CP" + std::to_string(cp);
}

Encoded Encode(ustring_view text, CodePage code_page) {
  Encoded result;
  const UINT cp = Number(code_page);
  CPINFO info;
  if (!GetCPInfo(cp, &info)) {
    result.status = ConvStatus::kUnsupported;
    return result;
  }
  if (EncodeClean(text, cp, result.bytes)) return result;
  for (std::size_t pos = 0; pos < text.size();) {
    const bool pair = pos + 1 < text.size() && IsHighSurrogate(text[pos]) && IsLowSurrogate(text[pos + 1]);
    const std::size_t units = pair ? 2 : 1;
    if (!EncodeClean(text.substr(pos, units), cp, result.bytes)) {
      if (result.unconvertible++ == 0) result.first_unconvertible = static_cast<int>(pos);
      result.bytes += '?';
    }
    pos += units;
  }
  if (result.unconvertible > 0) result.status = ConvStatus::kUnconvertible;
  return result;
}

Decoded Decode(std::string_view bytes, CodePage code_page) {
  Decoded result;
  const UINT cp = Number(code_page);
  CPINFO info;
  if (!GetCPInfo(cp, &info)) {
    result.status = ConvStatus::kUnsupported;
    return result;
  }
  if (DecodeClean(bytes, cp, result.text)) return result;
  result.text.clear();
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t length = SequenceLength(bytes, at, cp);
    const bool cut_off = CutOff(bytes, at, length);
    if (at + length <= bytes.size() && DecodeClean(bytes.substr(at, length), cp, result.text)) {
      at += length;
      continue;
    }
    // Not text: one replacement for its first byte, then on from the next.
    if (result.unconvertible++ == 0) result.first_unconvertible = static_cast<int>(at);
    result.text += u'\uFFFD';
    if (cut_off) break;  // a character cut off by the end of the input
    ++at;
  }
  result.status = result.unconvertible > 0 ? ConvStatus::kUnconvertible : ConvStatus::kOk;
  return result;
}

}  // namespace orvo::emu
