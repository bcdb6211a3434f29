// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system folder, where the fonts folder is found.
#include "platform/shell.h"
#include "platform/text.h"

namespace orvo {

// Trimmed of spaces and without a trailing separator (a bare root keeps
// its one); empty when the desktop cannot say.
ustring WindowsFolder(const Shell& shell);

}  // namespace orvo
