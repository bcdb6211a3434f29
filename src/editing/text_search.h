// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding a text in the document's text, forwards or backwards, with or
// without regard to letter case. Positions are 0-based UTF-16 positions of
// the whole text, as wide as any text the editor can hold. A match never
// starts or ends inside a CR LF pair or a surrogate pair: a piece of one
// character is not a match of it.
#include <optional>

#include "platform/text.h"

namespace orvo::editing {

struct SearchText {
  ustring_view haystack;
  ustring_view pattern;
  bool match_case = true;
};

// The first match starting at `from` or after; none for an empty pattern.
std::optional<int> FindForward(const SearchText& search, int from);
// The last match starting at `last_start` or before; none for an empty pattern.
std::optional<int> FindBackward(const SearchText& search, int last_start);
// Whether two texts are equal under the case rule.
bool SameText(ustring_view a, ustring_view b, bool match_case);

}  // namespace orvo::editing
