// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reading in the form it is given to mozc: kana as hiragana (ゔ for ヴ; the
// small ヵ ヶ kept), half-width kana as their full-width characters, anything
// else as typed. mozc counts its segments in characters (code points) of this
// form; the reading remembers how many of its own UTF-16 units each stands for.
#include <string>
#include <vector>

#include "platform/text.h"

namespace orvo::emu::mozc {

class MozcReading {
 public:
  // False, leaving the reading empty, for text that cannot be sent: a NUL,
  // another control character or a lone surrogate.
  bool Assign(ustring_view reading);

  const ustring& Reading() const { return reading_; }
  // The whole form sent, and its characters [begin, end) as UTF-8.
  std::string Utf8(int begin, int end) const;
  std::string Utf8() const { return Utf8(0, Length()); }
  // Characters of the form sent.
  int Length() const { return static_cast<int>(chars_.size()); }
  // Units of the reading before character `position` (0..Length()).
  int UnitsBefore(int position) const;
  // The reading's units for characters [begin, end), and the form sent of them.
  ustring ReadingText(int begin, int end) const;
  ustring SentText(int begin, int end) const;

 private:
  struct Char {
    ustring sent;     // one code point
    int reading_end;  // units of the reading up to and including this character
  };
  int Clamp(int position) const;

  ustring reading_;
  std::vector<Char> chars_;
};

}  // namespace orvo::emu::mozc
