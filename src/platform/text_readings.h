// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a written text is read: its reading in kana, found by converting it
// backwards (日本語の文章 にほんごのぶんしょう). What the review key says
// of a whole line, for voices that cannot read kanji.
#include "platform/text.h"

namespace orvo {

class TextReadings {
 public:
  virtual ~TextReadings() = default;
  // The reading in hiragana, what is not kanji or kana kept as written; empty
  // when it cannot be found.
  virtual ustring ReadingOf(ustring_view text) = 0;
};

}  // namespace orvo
