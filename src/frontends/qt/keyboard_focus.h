// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which of the program's windows has the desktop's keyboard, as the window
// system last said (X's focus-in and focus-out reports). Qt's own active
// window can lag behind it: the keyboard given to a window that a box blocks
// leaves Qt calling the box active. Where the window system's reports cannot
// be read, Qt's focus window stands in.
#include <QAbstractNativeEventFilter>
#include <QWidget>
#include <functional>

namespace orvo::qt {

class KeyboardFocus : public QAbstractNativeEventFilter {
 public:
  KeyboardFocus();  // watches the application's windows from now on
  ~KeyboardFocus() override;
  KeyboardFocus(const KeyboardFocus&) = delete;
  KeyboardFocus& operator=(const KeyboardFocus&) = delete;

  // True when the keyboard is on a window of the program other than `window`'s.
  bool OnAnotherWindowThan(const QWidget& window) const;
  // True when the window system's last report put the keyboard on a window
  // of the program (false where its reports cannot be read).
  bool OnOwnWindow() const { return reported_ && window_ != 0; }
  // Called when a report takes the keyboard off the program's windows (on its
  // way to another of them, a report of that follows at once).
  void SetOnLeft(std::function<void()> left) { on_left_ = std::move(left); }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

 private:
  bool reported_ = false;  // the window system's own reports arrive
  WId window_ = 0;         // where they last put the keyboard (0: none of ours)
  std::function<void()> on_left_;
};

}  // namespace orvo::qt
