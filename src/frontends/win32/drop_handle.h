// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drop as the shell hands it to a window: the files' names in one block of
// global memory (DROPFILES, then the names, each ending in a NUL, the list in
// a second), read back with DragQueryFile and freed with DragFinish by the
// window that takes WM_DROPFILES.
#include <string>
#include <vector>

#include "frontends/win32/win32_api.h"
#include <shellapi.h>  // after windows.h

namespace orvo::win32 {

// The drop of `paths` at `at` (the window's client coordinates); nullptr
// when the memory could not be had. The taker frees it.
HDROP MakeDropHandle(const std::vector<std::wstring>& paths, POINT at = {0, 0});

}  // namespace orvo::win32
