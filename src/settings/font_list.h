#pragma once
// The font families a person may choose for the text, as the settings
// dialog lists them.
#include "app/forms/list_box_control.h"
#include "platform/platform.h"

namespace orvo::settings {

void FillFontList(Platform& platform, forms::ListBoxControl& list);

}  // namespace orvo::settings
