// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/window_classes.h"

#include <set>
#include <string>

#include "frontends/win32/native_peer.h"

namespace orvo::win32 {

bool RegisterOnce(const wchar_t* name, WNDPROC procedure, bool double_clicks) {
  static std::set<std::wstring> registered;
  if (registered.contains(name)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = double_clicks ? CS_DBLCLKS : 0;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
  wc.hbrBackground = nullptr;  // each window paints its own background
  wc.lpszClassName = name;
  if (RegisterClassExW(&wc) == 0) return false;
  registered.insert(name);
  return true;
}

namespace {
ParentHook g_parent_hook = nullptr;
}  // namespace

void SetParentHook(ParentHook hook) { g_parent_hook = hook; }

bool ChildMessage(UINT message, WPARAM w_param, LPARAM l_param, LRESULT& result) {
  if (g_parent_hook != nullptr && g_parent_hook(message, w_param, l_param, result)) return true;
  switch (message) {
    case WM_COMMAND: {
      NativePeer* peer = l_param != 0 ? PeerOfWindow(reinterpret_cast<HWND>(l_param)) : nullptr;
      if (peer == nullptr) return false;
      peer->Notified(HIWORD(w_param));
      result = 0;
      return true;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(l_param);
      NativePeer* peer = item != nullptr ? PeerOfWindow(item->hwndItem) : nullptr;
      if (peer == nullptr || !peer->Draw(*item)) return false;
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      NativePeer* peer = PeerOfWindow(reinterpret_cast<HWND>(l_param));
      HBRUSH brush = peer != nullptr ? peer->ColourFor(reinterpret_cast<HDC>(w_param)) : nullptr;
      if (brush == nullptr) return false;
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace orvo::win32
