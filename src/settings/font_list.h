#pragma once
// The font families the settings dialog offers: every family the system has,
// less vertical-writing and symbol-prefixed names and the braille font.
#include "app/forms/list_box_control.h"
#include "platform/font_registry.h"

namespace orvo::settings {

// Whether a family belongs in the list: not one whose name begins with "@"
// (vertical writing), "#", "&" or "$", nor exactly "Orvoten Font".
bool ListsFontFamily(ustring_view family);

// FillFontList: the list box emptied, then given every family that belongs in it.
void FillFontList(const FontRegistry& fonts, forms::ListBoxControl& list);

}  // namespace orvo::settings
