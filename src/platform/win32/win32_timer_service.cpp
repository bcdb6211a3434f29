// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32_timer_service.h"

#include <windows.h>

namespace orvo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvoTimerWindow";

LRESULT CALLBACK TimerWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_TIMER) {
    auto* service = reinterpret_cast<Win32TimerService*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (service != nullptr) service->OnTimer(static_cast<native::SystemTimerId>(wparam));
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND AsWindow(std::uintptr_t handle) { return reinterpret_cast<HWND>(handle); }

}  // namespace

Win32TimerService::Win32TimerService() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = TimerWindowProc;
  window_class.hInstance = instance;
  window_class.lpszClassName = kClassName;
  RegisterClassExW(&window_class);  // fails harmlessly when already registered
  HWND window = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                instance, nullptr);
  if (window == nullptr) return;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  window_ = reinterpret_cast<std::uintptr_t>(window);
}

Win32TimerService::~Win32TimerService() {
  if (window_ == 0) return;
  SetWindowLongPtrW(AsWindow(window_), GWLP_USERDATA, 0);
  DestroyWindow(AsWindow(window_));  // its timers go with it
  window_ = 0;
}

bool Win32TimerService::Start(native::SystemTimerId id, int interval_ms) {
  if (window_ == 0) return false;
  const UINT ms = interval_ms < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM
                                                   : static_cast<UINT>(interval_ms);
  return SetTimer(AsWindow(window_), static_cast<UINT_PTR>(id), ms, nullptr) != 0;
}

void Win32TimerService::Stop(native::SystemTimerId id) {
  if (window_ != 0) KillTimer(AsWindow(window_), static_cast<UINT_PTR>(id));
}

}  // namespace orvo::win32
