// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small top-level window for the tests of the Win32 layer: it takes the
// keyboard, records the key messages it is sent, and pumps its queue.
#include <windows.h>

#include <vector>

#include "platform/keyboard.h"

namespace orvo::win32 {

// Whether the program runs under Wine rather than Windows.
inline bool UnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// Whether this system makes windows at all: Wine run with no display and no
// display driver set (its null driver) makes none.
inline bool WindowsCanBeMade() {
  static const bool can = [] {
    HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (probe != nullptr) DestroyWindow(probe);
    return probe != nullptr;
  }();
  return can;
}
inline constexpr const char* kNoWindows = "no windows can be made here (Wine with no display driver)";

inline constexpr wchar_t kTestWindowClass[] = L"OrvoTestWindow";

class TestWindow {
 public:
  struct Seen {
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
    bool own;  // the keyboard said, while handling it, that the program sent it
  };

  explicit TestWindow(bool visible = true);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND Handle() const { return window_; }
  bool Focused() const { return GetFocus() == window_; }
  // Whether keys from the system reach the window: F24, pressed and let go,
  // comes back (Wine without a display keeps them).
  bool TakesKeys() {
    if (window_ == nullptr || !Focused()) return false;
    keybd_event(VK_F24, 0, 0, 0);
    keybd_event(VK_F24, 0, KEYEVENTF_KEYUP, 0);
    Pump(nullptr);
    const bool arrived = !seen.empty();
    seen.clear();
    return arrived;
  }
  // Handles every message waiting (the keyboard is asked about each key).
  void Pump(const Keyboard* keyboard);

  std::vector<Seen> seen;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  HWND window_ = nullptr;
  const Keyboard* keyboard_ = nullptr;
};

inline TestWindow::TestWindow(bool visible) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = Proc;
  window_class.hInstance = instance;
  window_class.lpszClassName = kTestWindowClass;
  RegisterClassExW(&window_class);
  window_ = CreateWindowExW(0, kTestWindowClass, L"test", WS_OVERLAPPEDWINDOW, 0, 0, 320, 240, nullptr,
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

inline TestWindow::~TestWindow() {
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
  Pump(nullptr);
}

inline void TestWindow::Pump(const Keyboard* keyboard) {
  keyboard_ = keyboard;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  keyboard_ = nullptr;
}

inline LRESULT CALLBACK TestWindow::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr && message >= WM_KEYFIRST && message <= WM_KEYLAST) {
    const bool own = self->keyboard_ != nullptr && self->keyboard_->HandlingOwnKey();
    self->seen.push_back({message, wparam, lparam, own});
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// Handles messages until done() holds or the thread's queue stays empty
// after a round that had nothing to do; false when done() never held.
template <class Done>
bool PumpUntil(Done done, int max_waits = 2000) {
  MSG msg;
  for (int i = 0; i < max_waits && !done(); ++i) {
    // Waits for the next message (a timer's included), never for a fixed time.
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) return false;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return done();
}

}  // namespace orvo::win32
