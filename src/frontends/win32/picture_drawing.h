// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own pictures (toolbar faces, check marks, the icon) drawn
// with GDI from the shared table of figures.
#include "frontends/win32/win32_api.h"

namespace orvo::win32 {

// Draws picture `id` into the square `box`; false when the table has no rows for it.
bool DrawPictureRows(HDC dc, int id, const RECT& box);

}  // namespace orvo::win32
