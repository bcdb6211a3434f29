// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native/limit_fit.h"

#include "platform/emulated/edit/line_table.h"

namespace orvo::native {

long long MeasureForLimit(ustring_view text, const LimitMeasure& measure) {
  return measure ? measure(text) : emu::TextWidth(text);
}

long long PieceMeasure(ustring_view piece, const LimitMeasure& measure) {
  return measure ? measure(piece) - measure({}) : emu::TextWidth(piece);
}

ustring_view FitToLimit(ustring_view text, long long room, const LimitMeasure& measure) {
  if (PieceMeasure(text, measure) <= room) return text;
  if (!measure) return text.substr(0, emu::FittingPrefix(text, room));
  std::size_t end = 0;
  long long used = 0;
  while (end < text.size()) {
    std::size_t next = end + 1;
    if (next < text.size() && emu::SplitsPair(text[end], text[next])) ++next;
    const long long step = PieceMeasure(text.substr(end, next - end), measure);
    if (used + step > room) break;
    used += step;
    end = next;
  }
  return text.substr(0, end);
}

}  // namespace orvo::native
