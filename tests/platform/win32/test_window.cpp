// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/test_window.h"

namespace orvo::win32 {
namespace {
constexpr wchar_t kClassName[] = L"OrvoTestWindow";
}  // namespace

TestWindow::TestWindow(bool visible) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = Proc;
  window_class.hInstance = instance;
  window_class.lpszClassName = kClassName;
  RegisterClassExW(&window_class);
  window_ = CreateWindowExW(0, kClassName, L"test", WS_OVERLAPPEDWINDOW, 0, 0, 320, 240, nullptr,
                            nullptr, instance, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (visible) {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(window_);
  }
  Pump(nullptr);
  seen.clear();
}

TestWindow::~TestWindow() {
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
  Pump(nullptr);
}

void TestWindow::Pump(const Keyboard* keyboard) {
  keyboard_ = keyboard;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  keyboard_ = nullptr;
}

LRESULT CALLBACK TestWindow::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr && message >= WM_KEYFIRST && message <= WM_KEYLAST) {
    const bool own = self->keyboard_ != nullptr && self->keyboard_->HandlingOwnKey();
    self->seen.push_back({message, wparam, lparam, own});
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace orvo::win32
