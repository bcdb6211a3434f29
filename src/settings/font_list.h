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

// FillFontList: the list box emptied, then given every family that belongs in it.
void FillFontList(const FontRegistry& fonts, forms::ListBoxControl& list);
// The same with the desktop's fonts, as the settings dialog fills its list.
inline void FillFontList(Platform& platform, forms::ListBoxControl& list) { FillFontList(platform.font_files, list); }

}  // namespace orvo::settings
