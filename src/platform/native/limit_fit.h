// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How much of a typed or pasted text an edit control's text limit lets in:
// whole characters only (a surrogate pair or a CR LF is never split), by
// double-byte units or by the control's own measure of a text.
#include <functional>

#include "platform/text.h"

namespace orvo::native {

using LimitMeasure = std::function<long long(ustring_view text)>;

// The part of `text` that fits in `room` (units left under the limit); the
// whole text when it all fits.
ustring_view FitToLimit(ustring_view text, long long room, const LimitMeasure& measure);

// The limit's count of a text: its measure, or its double-byte units.
long long MeasureForLimit(ustring_view text, const LimitMeasure& measure);

// The count of a piece of a text: without the measure's constant (a
// byte-order mark is counted once, for the whole text).
long long PieceMeasure(ustring_view piece, const LimitMeasure& measure);

}  // namespace orvo::native
