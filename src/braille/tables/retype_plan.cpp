// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/tables/retype_plan.h"

#include "braille/tables/kana_romaji.h"

namespace orvo::braille {
namespace {

constexpr char16_t kSmallTsu = u'ｯ';
// Keys the IME turns into a small ｯ when typed twice.
constexpr ustring_view kDoublingKeys = u"BCDFGHJKLMPQRSTVWXYZ";

bool Joins(ustring_view reading, std::size_t at) {
  return at < reading.size() && kJoiningKana.find(reading[at]) != ustring_view::npos;
}

// The longest run at `at` the lookups know: up to three characters as the
// joining kana say, shortened while the longer run has no entry.
RetypePiece NextPiece(ustring_view reading, std::size_t at) {
  std::size_t length = 1;
  if (Joins(reading, at + 1)) length = Joins(reading, at + 2) ? 3 : 2;
  for (; length > 1; --length) {
    const ustring_view kana = reading.substr(at, length);
    const ustring_view romaji = length == 3 ? LookupKana3(kana) : LookupKana2(kana);
    if (!romaji.empty()) return {ustring(kana), ustring(romaji), orvo::ime_mode::kHiragana, false};
  }
  KanaRomaji one = LookupKana1(reading[at]);
  return {ustring(1, reading[at]), std::move(one.romaji), one.ime_mode, one.shift};
}

bool Doubles(const RetypePiece& piece) {
  return piece.ime_mode == orvo::ime_mode::kHiragana && !piece.shift && !piece.romaji.empty() &&
         kDoublingKeys.find(piece.romaji.front()) != ustring_view::npos;
}

RetypePiece SmallTsu() {
  KanaRomaji one = LookupKana1(kSmallTsu);
  return {ustring(1, kSmallTsu), std::move(one.romaji), one.ime_mode, one.shift};
}

}  // namespace

std::vector<RetypePiece> PlanRetype(ustring_view reading) {
  std::vector<RetypePiece> pieces;
  bool small_tsu = false;
  for (std::size_t at = 0; at < reading.size();) {
    if (reading[at] == kSmallTsu) {
      if (small_tsu) pieces.push_back(SmallTsu());
      small_tsu = true;
      ++at;
      continue;
    }
    RetypePiece piece = NextPiece(reading, at);
    at += piece.kana.size();
    if (small_tsu && Doubles(piece)) {
      piece.kana.insert(piece.kana.begin(), kSmallTsu);
      piece.romaji.insert(piece.romaji.begin(), piece.romaji.front());
    } else if (small_tsu) {
      pieces.push_back(SmallTsu());
    }
    small_tsu = false;
    pieces.push_back(std::move(piece));
  }
  if (small_tsu) pieces.push_back(SmallTsu());
  return pieces;
}

}  // namespace orvo::braille
