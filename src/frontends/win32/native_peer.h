// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every control peer of this front end is: a native window that draws
// one control, found again from its window handle when the window reports a
// person's action or asks for its colours.
#include <functional>

#include "frontends/win32/win32_api.h"
#include "toolkit/forms/control.h"

namespace orvo::win32 {

class GdiFonts;
class AccessibleNames;

// Runs a person's action on the models, then settles.
using Act = std::function<void(std::function<void()>)>;

// What the peers of one form share.
struct PeerContext {
  HWND root = nullptr;  // holds the controls no frame or picture box holds
  GdiFonts* fonts = nullptr;
  AccessibleNames* names = nullptr;
  Act act;
};

class NativePeer {
 public:
  NativePeer(HWND window, forms::Control& control);
  // The window goes once the message being handled has returned: it may be
  // running the click that removed its control.
  virtual ~NativePeer();
  NativePeer(const NativePeer&) = delete;
  NativePeer& operator=(const NativePeer&) = delete;

  HWND Window() const { return window_; }
  // The window the keyboard goes to when the control has the focus.
  virtual HWND KeyboardWindow() const { return window_; }
  forms::Control& Control() const { return control_; }

  // WM_CTLCOLOR*: the brush of the background, the text colours set in `dc`; null: the system's.
  virtual HBRUSH ColourFor(HDC dc) {
    (void)dc;
    return nullptr;
  }
  // A notification (WM_COMMAND's code) from the window.
  virtual void Notified(int code) { (void)code; }
  // An owner-drawn window's drawing; false when the peer draws nothing so.
  virtual bool Draw(const DRAWITEMSTRUCT& item) {
    (void)item;
    return false;
  }
  // A window of this front end's own class paints its inside.
  virtual void Paint(HDC dc, const RECT& inside) {
    (void)dc;
    (void)inside;
  }
  // A mouse message of a window of this front end's own class, at `x`, `y` inside it.
  virtual void Mouse(UINT message, int x, int y) {
    (void)message;
    (void)x;
    (void)y;
  }
  // The window given up without being destroyed (an edit control another object owns).
  void Release() { window_ = nullptr; }

 private:
  HWND window_;
  forms::Control& control_;
};

// The peer drawn by a window, or null.
NativePeer* PeerOfWindow(HWND window);

// A hidden window that keeps what has no place on the screen (an edit
// control between its views) and destroys windows after the message that
// gave them up. Made on first use, on the thread of the windows.
HWND ParkingWindow();
void DestroyLater(HWND window);

}  // namespace orvo::win32
