// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key that reads back what was written: pressed once, the character at
// the caret and its description, or the selection described; pressed again
// within kAgainMs, the caret's whole line and its reading in katakana (its
// description where no reading is to be had).
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/text.h"

namespace orvo::readings {

// A written text's reading in kana; empty when none is found.
using ReadingOf = std::function<ustring(ustring_view)>;

class ReviewKey {
 public:
  static constexpr std::int64_t kAgainMs = 500;
  // Longer lines are read up to here, and said to be cut.
  static constexpr std::size_t kMostRead = 200;

  // What one press says, over the document's text (CR LF line ends) with the
  // selection [start, start + length) in UTF-16 positions; now_ms is the
  // program's clock; reading_of may be empty.
  ustring Press(ustring_view text, int sel_start, int sel_length, std::int64_t now_ms,
                const ReadingOf& reading_of = {});

 private:
  struct Last {
    std::int64_t at;
    int caret;
  };
  std::optional<Last> last_;  // the single press that a second one may follow
};

}  // namespace orvo::readings
