// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace orvo::qt {

KeyFilter::KeyFilter(std::function<void(const KeyEvent&)> deliver, QObject* parent)
    : QObject(parent), deliver_(std::move(deliver)) {}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) {
    return QObject::eventFilter(watched, event);
  }
  if (!enabled_) return QObject::eventFilter(watched, event);
  // An open drop-down menu is worked with the keys, as any menu is. The keys
  // held when it opened come up for the program now: their real key-ups go to
  // the menu, and a modifier left down would change every later key.
  if (QApplication::activePopupWidget() != nullptr) {
    if (!held_.empty()) ReleaseHeld();
    return QObject::eventFilter(watched, event);
  }
  auto* key = static_cast<QKeyEvent*>(event);
  if (type == QEvent::ShortcutOverride) {
    key->accept();  // no shortcut takes it: it comes back as a key press, which is ours
    return true;
  }
  if (type == QEvent::KeyPress) DropStaleModifiers(key->key(), key->modifiers());
  if (const auto mapped = MapKey(key->key(), key->nativeScanCode())) {
    Deliver(*mapped, type == QEvent::KeyRelease, key->isAutoRepeat());
  }
  return true;  // unknown keys do nothing at all
}

void KeyFilter::Deliver(const MappedKey& key, bool up, bool repeat) {
  // The program tells a repeat from a press (and drops a repeat's release);
  // here only the keys really down are kept, to let them go when the
  // keyboard leaves.
  auto it = std::find(held_.begin(), held_.end(), key);
  if (up && !repeat) {
    if (it != held_.end()) held_.erase(it);
  } else if (!up && it == held_.end() && !repeat) {
    held_.push_back(key);
  }
  KeyEvent event{key.vk, key.scan, up, false};
  event.repeat = repeat;
  deliver_(event);
}

void KeyFilter::DropStaleModifiers(int pressed, Qt::KeyboardModifiers now) {
  // A modifier's release that went to no window of ours (the keyboard moving
  // between windows) would leave it down for the program: each key says which
  // modifiers really are down.
  struct Modifier {
    std::uint8_t vk;
    Qt::KeyboardModifier flag;
    int key;
  };
  static constexpr Modifier kModifiers[] = {
      {vk::kShift, Qt::ShiftModifier, Qt::Key_Shift},
      {vk::kControl, Qt::ControlModifier, Qt::Key_Control},
      {vk::kMenu, Qt::AltModifier, Qt::Key_Alt},
  };
  for (const Modifier& m : kModifiers) {
    if (m.key == pressed || now.testFlag(m.flag)) continue;
    const auto it = std::find_if(held_.begin(), held_.end(), [&m](const MappedKey& k) { return k.vk == m.vk; });
    if (it != held_.end()) Deliver(*it, true, false);
  }
}

void KeyFilter::ReleaseHeld() {
  const std::vector<MappedKey> held = std::move(held_);
  held_.clear();
  for (const MappedKey& key : held) {
    KeyEvent event{key.vk, key.scan, true, false};
    event.lost = true;
    deliver_(event);
  }
}

}  // namespace orvo::qt
