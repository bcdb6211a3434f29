// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a window shows normally, as an icon on the task bar, or filling the screen.
namespace orvo {

enum class WindowState { kNormal, kMinimized, kMaximized };

}  // namespace orvo
