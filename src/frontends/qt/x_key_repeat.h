// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A held key on X: by default the server sends each repeat as a release and
// a press, and Qt can mark that release as a repeat only when the press is
// already waiting behind it, which a busy machine does not promise. Asked
// for it, the server sends repeats as presses alone (XKB's detectable
// auto-repeat), and the release comes only when the key is let go.
namespace orvo::qt {

// True when the server sends repeats as presses alone from now on; false
// where it cannot (not X, no XKB), and Qt's marks are all there is.
bool AskForRepeatsAsPresses();

}  // namespace orvo::qt
