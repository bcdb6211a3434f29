// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small top-level window for the tests of the Win32 layer: it takes the
// keyboard, records the key messages it is sent, and pumps its queue.
#include <windows.h>

#include <vector>

#include "platform/keyboard.h"

namespace orvo::win32 {

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
  // Handles every message waiting (the keyboard is asked about each key).
  void Pump(const Keyboard* keyboard);

  std::vector<Seen> seen;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  HWND window_ = nullptr;
  const Keyboard* keyboard_ = nullptr;
};

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
