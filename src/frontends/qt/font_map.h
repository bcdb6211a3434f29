// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Windows face names the program asks for, resolved to installed fonts of
// the same kind: gothic, proportional gothic, fixed width.
#include <QFont>
#include <QString>

#include "platform/font_metrics.h"

namespace orvo::qt {

// An installed family for the face: the first installed candidate of a known
// face, the face itself when installed, else the gothic font.
QString FamilyFor(ustring_view face);

QFont ToQFont(const FontSpec& font);

// Families are looked up again after the program added or removed a font.
void ForgetFamilies();

}  // namespace orvo::qt
