// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/native_peer.h"

#include "frontends/win32/window_classes.h"

namespace orvo::win32 {
namespace {

constexpr wchar_t kPeerProperty[] = L"OrvoPeer";

LRESULT CALLBACK ParkingProcedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  LRESULT result = 0;
  if (ChildMessage(message, w_param, l_param, result)) return result;
  if (message == kDestroyLater) {
    const auto gone = reinterpret_cast<HWND>(w_param);
    if (IsWindow(gone)) DestroyWindow(gone);
    return 0;
  }
  return DefWindowProcW(window, message, w_param, l_param);
}

}  // namespace

NativePeer::NativePeer(HWND window, forms::Control& control) : window_(window), control_(control) {
  if (window_ != nullptr) SetPropW(window_, kPeerProperty, this);
}

NativePeer::~NativePeer() {
  if (window_ == nullptr || !IsWindow(window_)) return;
  RemovePropW(window_, kPeerProperty);
  DestroyLater(window_);
}

NativePeer* PeerOfWindow(HWND window) {
  return window == nullptr ? nullptr : static_cast<NativePeer*>(GetPropW(window, kPeerProperty));
}

HWND ParkingWindow() {
  static HWND parking = [] {
    if (!RegisterOnce(kParkingClass, ParkingProcedure, false)) return HWND{};
    return CreateWindowExW(0, kParkingClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
  }();
  return parking;
}

void DestroyLater(HWND window) {
  if (window == nullptr || !IsWindow(window)) return;
  ShowWindow(window, SW_HIDE);
  HWND parking = ParkingWindow();
  // Out of its form's window first: that window may go before the message comes.
  if (parking != nullptr && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0) SetParent(window, parking);
  if (parking == nullptr || !PostMessageW(parking, kDestroyLater, reinterpret_cast<WPARAM>(window), 0)) {
    DestroyWindow(window);
  }
}

}  // namespace orvo::win32
