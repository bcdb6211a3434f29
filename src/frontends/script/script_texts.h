// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a key script's run says when a step cannot be played.
#include <string_view>

namespace orvo::script::texts {

inline constexpr std::string_view kCannotClick = "cannot click ";
inline constexpr std::string_view kNoFormHasIt = ": no loaded form has it";
inline constexpr std::string_view kNoDialogOpen = "no dialog is open for this answer";
inline constexpr std::string_view kDialogUnanswered =
    " is open, and the script does not answer it (dialog PATH, dialog cancel, colour R G B)";
inline constexpr std::string_view kNoRestartHere = "restart runs only in orvo-headless";

}  // namespace orvo::script::texts
