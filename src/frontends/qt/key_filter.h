// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard of the whole application: every key event becomes a key event
// of the emulated desktop and never reaches a Qt widget, so the program sees
// each key before any control, as a window with key preview does. Qt's mark
// of an auto-repeat goes with each event; the program decides what a repeat is.
#include <QObject>
#include <functional>
#include <vector>

#include "platform/keys.h"
#include "frontends/qt/key_map.h"

namespace orvo::qt {

class KeyFilter : public QObject {
  Q_OBJECT

 public:
  // deliver: takes each key event of the person at the keyboard.
  explicit KeyFilter(std::function<void(const KeyEvent&)> deliver, QObject* parent = nullptr);

  bool eventFilter(QObject* watched, QEvent* event) override;

  // Key-ups for the keys still held: the application lost the keyboard, and
  // their real key-ups will go elsewhere.
  void ReleaseHeld();
  // While off, keys go to Qt's own widgets (a standard message box before the
  // program has windows).
  void SetEnabled(bool enabled) { enabled_ = enabled; }

 private:
  void Deliver(const MappedKey& key, bool up, bool repeat);
  void DropStaleModifiers(int pressed, Qt::KeyboardModifiers now);

  std::function<void(const KeyEvent&)> deliver_;
  std::vector<MappedKey> held_;
  bool enabled_ = true;
};

}  // namespace orvo::qt
