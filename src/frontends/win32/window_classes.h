// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window classes of this front end: a form's window, the holder of
// controls (a frame's inside, a picture box), the main window, the parking
// window. Each is registered once, on first use.
#include "frontends/win32/win32_api.h"

namespace orvo::win32 {

inline constexpr wchar_t kFormClass[] = L"OrvoForm";
inline constexpr wchar_t kHolderClass[] = L"OrvoHolder";
inline constexpr wchar_t kMainClass[] = L"OrvoMain";
inline constexpr wchar_t kParkingClass[] = L"OrvoParking";

// Messages of the program's own windows.
inline constexpr UINT kDestroyLater = WM_APP + 1;  // wParam: the window to destroy
inline constexpr UINT kMenusClosed = WM_APP + 2;
inline constexpr UINT kOpenMenu = WM_APP + 3;
inline constexpr UINT kScriptStep = WM_APP + 4;

// Registers the class with `procedure` and the program's icon; false when the system refused.
bool RegisterOnce(const wchar_t* name, WNDPROC procedure, bool double_clicks);

// Answers the messages of child windows that another object made (an edit
// control's notifications and colours) before any peer is asked.
using ParentHook = bool (*)(UINT message, WPARAM w_param, LPARAM l_param, LRESULT& result);
void SetParentHook(ParentHook hook);

// A child window's notifications and colour questions, for the peer that
// draws it (WM_COMMAND, WM_DRAWITEM, WM_CTLCOLOR*): true when one took it.
bool ChildMessage(UINT message, WPARAM w_param, LPARAM l_param, LRESULT& result);

}  // namespace orvo::win32
