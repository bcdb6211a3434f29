// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a TrueType or OpenType font file names itself, read from its bytes
// without a font engine: for front ends that keep a model of the system's
// fonts, and for checking the program's own font.
#include <string_view>

#include "platform/text.h"

namespace orvo {

// The family name (name 1) of the font in `bytes`, Windows' record before
// the Macintosh one; empty when the bytes are no font file or name no family.
// Any bytes are safe to give: nothing is read outside them.
ustring FontFileFamily(std::string_view bytes);

}  // namespace orvo
