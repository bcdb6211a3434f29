#pragma once
// The key that reads back what was written: pressed once, the character at
// the caret and its description, or the selection described; pressed again
// within kAgainMs, the caret's whole line and its description.
#include <cstdint>
#include <optional>

#include "platform/text.h"

namespace orvo::readings {

class ReviewKey {
 public:
  static constexpr std::int64_t kAgainMs = 500;

  // What one press says, over the document's text (CR LF line ends) with the
  // selection [start, start + length) in UTF-16 positions; now_ms is the
  // program's clock.
  ustring Press(ustring_view text, int sel_start, int sel_length, std::int64_t now_ms);

 private:
  struct Last {
    std::int64_t at;
    int caret;
  };
  std::optional<Last> last_;  // the single press that a second one may follow
};

}  // namespace orvo::readings
