// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures drawn with GDI: a face (the core's own pixels) and the numbered
// pictures, square and centred in the box they are drawn in.
#include <cstdint>
#include <vector>

#include "frontends/win32/win32_api.h"
#include "toolkit/window_utils/bitmap.h"

namespace orvo::win32 {

// A face's pixels as a top-down 32-bit DIB row by row (blue, green, red, unused).
std::vector<std::uint32_t> DibPixels(const Bitmap& face);
// Draws the face at the top left of `dc`.
void PaintFace(HDC dc, const Bitmap& face);
// Draws picture `id` in `box`; nothing for a picture it does not know.
void PaintPicture(HDC dc, int id, const RECT& box);

// Picture `id` as an icon of `size` pixels square (the window's icon); null
// for a picture the table does not draw. The caller destroys it.
HICON PictureIcon(int id, int size);

}  // namespace orvo::win32
