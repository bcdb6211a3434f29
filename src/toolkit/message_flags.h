// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a message box is asked for and what it answers, as types. The numbers
// are the box's flags codes (icon code + button set) and result codes, which
// the message history and the state dump keep.
#include "platform/app_host.h"

namespace orvo {

// The icon codes are the desktop's own message box's (mb_icon).
enum class MessageIconCode : int {
  kNone = mb_icon::kNone,
  kStop = mb_icon::kStop,
  kQuestion = mb_icon::kQuestion,
  kExclamation = mb_icon::kExclamation,
  kInformation = mb_icon::kInformation,
};
enum class MessageButtons : int { kOk = 0, kOkCancel = 1, kYesNoCancel = 3, kYesNo = 4 };

struct MessageFlags {
  MessageIconCode icon = MessageIconCode::kNone;
  MessageButtons buttons = MessageButtons::kOk;
  constexpr int Code() const { return static_cast<int>(icon) + static_cast<int>(buttons); }
};

enum class MessageResult : int { kNone = 0, kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };

namespace message {
inline constexpr MessageFlags kPlain{};                                    // 0
inline constexpr MessageFlags kStop{MessageIconCode::kStop};               // 16
inline constexpr MessageFlags kWarning{MessageIconCode::kExclamation};     // 48
inline constexpr MessageFlags kInformation{MessageIconCode::kInformation};  // 64
// The closing question: information, OK and Cancel (65).
inline constexpr MessageFlags kConfirm{MessageIconCode::kInformation, MessageButtons::kOkCancel};
}  // namespace message

}  // namespace orvo
