// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reading in the form anthy converts: every kana as hiragana, whichever form
// the composition shows it in (katakana, half-width katakana), everything else
// as typed. It remembers which units of the reading each of anthy's characters
// stands for, so anthy's segments can be told in the reading's own units.
#include <string>
#include <vector>

#include "platform/emulated/ime/literals.h"
#include "platform/text.h"

namespace orvo::emu {

class AnthyReading {
 public:
  // False, leaving the reading empty, for text anthy cannot be given: a NUL
  // (it would end the string early) or a lone surrogate (no UTF-8 for it).
  bool Assign(ustring_view reading);

  const std::string& Utf8() const { return utf8_; }
  // anthy's characters (code points, not UTF-16 units).
  int Length() const { return static_cast<int>(text_at_.size()) - 1; }
  // Units of the reading before anthy's character `position` (0..Length()).
  int ReadingUnitsBefore(int position) const;
  // anthy's characters [begin, end) and the reading units they stand for.
  ustring AnthyText(int begin, int end) const;
  ustring ReadingText(int begin, int end) const;

 private:
  int Clamp(int position) const;

  ustring reading_;
  ustring text_;      // the anthy form, as UTF-16
  std::string utf8_;  // the anthy form, as anthy gets it
  // Where each of anthy's characters starts in reading_ and in text_, and
  // one more entry for the end.
  std::vector<int> reading_at_;
  std::vector<int> text_at_;
};

}  // namespace orvo::emu
