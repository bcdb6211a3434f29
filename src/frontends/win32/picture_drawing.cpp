// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/picture_drawing.h"

namespace orvo::win32 {

bool DrawPictureRows(HDC dc, int id, const RECT& box) {
  (void)dc;
  (void)id;
  (void)box;
  return false;
}

}  // namespace orvo::win32
