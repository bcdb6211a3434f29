// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mnemonics in captions: "&F" marks F as the access key and "&&" stands for
// a literal ampersand.
#include "platform/text.h"

namespace orvo::forms {

// The access key of a caption in upper case, 0 when it has none.
char16_t MnemonicOf(ustring_view caption);

// The caption as it reads aloud: markers gone, "&&" as one "&".
ustring StripMnemonic(ustring_view caption);

// Whether a key code (a virtual key: 'A'-'Z', '0'-'9') is that access key.
bool IsMnemonicKey(int key_code, char16_t mnemonic);

}  // namespace orvo::forms
