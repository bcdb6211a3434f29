// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font families the settings dialog offers: every family the system has,
// less vertical-writing and symbol-prefixed names and the braille font.
#include "toolkit/forms/list_box_control.h"
#include "platform/font_registry.h"
#include "platform/platform.h"

namespace orvo::settings {

// Whether a family belongs in the list: not one whose name begins with "@"
// (vertical writing), "#", "&" or "$", nor exactly "Orvoten Font".
bool ListsFontFamily(ustring_view family);

// The font that stands in for `name` when the desktop has no family of that
// name and `name` is the default FixedSys (which Linux desktops lack): the
// first of a few fixed-pitch families that show Japanese, else the first
// family the list offers. Any other name, or FixedSys where it exists (in any
// case: Windows spells it Fixedsys), stays.
ustring StandInFont(const ustring& name, const FontRegistry& fonts);

// FillFontList: the list box emptied, then given every family that belongs in it.
void FillFontList(const FontRegistry& fonts, forms::ListBoxControl& list);
// The same with the desktop's fonts, as the settings dialog fills its list.
inline void FillFontList(Platform& platform, forms::ListBoxControl& list) { FillFontList(platform.font_files, list); }

}  // namespace orvo::settings
