// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/announcer.h"

#include <string>

#include "braille/braille_texts.h"
#include "braille/cell_codes.h"
#include "braille/input_mode.h"
#include "readings/describer.h"

namespace orvo::braille {
namespace {

std::size_t CommonPrefix(const ustring& a, const ustring& b) {
  std::size_t n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  return n;
}

bool AllHiragana(const ustring& text) {
  for (char16_t c : text) {
    if (!(c >= u'ぁ' && c <= u'ゖ') && c != u'ー') return false;
  }
  return true;
}

// Converted text with its description, which tells homophones apart by ear.
ustring Described(const ustring& text) { return text + u' ' + readings::Describe(text); }

// A candidate as a reader hears it in a list: the text, what it is made of, its number.
ustring Candidate(const ustring& text, int number) {
  ustring said = Described(text);
  if (number > 0) {
    const std::string digits = std::to_string(number);
    said += u' ';
    said.append(digits.begin(), digits.end());
  }
  return said;
}

}  // namespace

ustring SpokenDots(char16_t cell) {
  if (cell == u' ') return ustring(text::kSpokenNoDots);
  for (int left = 0; left < 8; ++left) {
    for (int right = 0; right < 8; ++right) {
      if (CellCodeOf(left, right) != cell) continue;
      ustring spoken(text::kSpokenDots);
      for (int dot = 0; dot < 6; ++dot) {
        const bool raised = dot < 3 ? (left >> dot) & 1 : (right >> (dot - 3)) & 1;
        if (raised) spoken += u' ', spoken += static_cast<char16_t>(u'1' + dot);
      }
      return spoken;
    }
  }
  return ustring(1, cell);
}

ustring SpokenMode(const ustring& caption) {
  for (const InputModeRow& row : kInputModes) {
    if (row.caption == caption) return ustring(row.spoken);
  }
  return caption;
}

ustring SpokenCells(const ustring& cells) {
  ustring spoken;
  for (char16_t cell : cells) {
    if (!spoken.empty()) spoken += u'、';
    spoken += SpokenDots(cell);
  }
  return spoken;
}

std::vector<ustring> Announcer::Hear(const HeardState& now) {
  std::vector<ustring> said;
  if (!last_) {
    last_ = now;
    return said;
  }
  const HeardState& was = *last_;
  // A cell joins the display (a prefix waits with its partner after it): its
  // dots first, then what it did.
  if (now.cells != was.cells && !now.cells.empty()) said.push_back(SpokenDots(now.cells.back()));
  if (now.braille_mode != was.braille_mode) {
    ustring line(now.braille_mode ? text::kSpokenBrailleOn : text::kSpokenRomajiOn);
    if (now.braille_mode && !now.mode.empty()) line += u' ' + SpokenMode(now.mode);
    said.push_back(line);
  } else if (now.braille_mode && now.mode != was.mode && !now.mode.empty()) {
    said.push_back(SpokenMode(now.mode));
  }
  // Space on a reading starts the conversion: its first candidate is said
  // even where it is the reading itself (はし offered as はし).
  const bool candidate_moved = now.converting && now.candidate != was.candidate;
  if (now.composition != was.composition || (now.converting && !was.converting) || candidate_moved) {
    // Typing adds to the reading: the sound it completed (typed romaji turns
    // the letters after the part kept into kana: those kana); Backspace takes
    // from it: what went; anything else (a conversion, a candidate): the whole.
    const bool plain = !now.converting && !was.converting;
    const std::size_t kept = CommonPrefix(now.composition, was.composition);
    if (plain && kept < now.composition.size() && (kept > 0 || was.composition.empty())) {
      said.push_back(now.composition.substr(kept));
    } else if (plain && kept == now.composition.size() && now.text_revision == was.text_revision) {
      said.push_back(was.composition.substr(kept));
    } else if (!now.composition.empty()) {
      said.push_back(now.converting ? Candidate(now.composition, now.candidate) : now.composition);
    }
  }
  const bool confirmed = now.result != was.result ||
                         (!was.composition.empty() && now.composition.empty() && now.text_revision != was.text_revision);
  if (confirmed && !now.result.empty() && now.text_revision != was.text_revision) {
    // Kana confirmed as typed were heard as typed; anything else is described.
    said.push_back(ustring(text::kSpokenConfirmed) + u' ' + (AllHiragana(now.result) ? now.result : Described(now.result)));
  }
  last_ = now;
  return said;
}

}  // namespace orvo::braille
