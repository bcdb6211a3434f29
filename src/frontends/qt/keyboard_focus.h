// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which of the program's windows has the desktop's keyboard, as the window
// system last said (X's focus-in and focus-out reports). Qt's own active
// window can lag behind it: the keyboard given to a window that a box blocks
// leaves Qt calling the box active. Where the window system's reports cannot
// be read, Qt's focus window stands in.
#include <QAbstractNativeEventFilter>
#include <QWidget>

namespace orvo::qt {

class KeyboardFocus : public QAbstractNativeEventFilter {
 public:
  KeyboardFocus();  // watches the application's windows from now on
  ~KeyboardFocus() override;
  KeyboardFocus(const KeyboardFocus&) = delete;
  KeyboardFocus& operator=(const KeyboardFocus&) = delete;

  // True when the keyboard is on a window of the program other than `window`'s.
  bool OnAnotherWindowThan(const QWidget& window) const;

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

 private:
  bool reported_ = false;  // the window system's own reports arrive
  WId window_ = 0;         // where they last put the keyboard (0: none of ours)
};

}  // namespace orvo::qt
