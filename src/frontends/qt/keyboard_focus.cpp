// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/keyboard_focus.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>
#include <xcb/xcb.h>

namespace orvo::qt {
namespace {

// A report that says nothing of which window has the keyboard: the pointer's
// window or the root take it in passing.
bool AboutThePointer(std::uint8_t detail) {
  return detail == XCB_NOTIFY_DETAIL_POINTER || detail == XCB_NOTIFY_DETAIL_POINTER_ROOT ||
         detail == XCB_NOTIFY_DETAIL_NONE;
}

}  // namespace

KeyboardFocus::KeyboardFocus() {
  QCoreApplication::instance()->installNativeEventFilter(this);
}

KeyboardFocus::~KeyboardFocus() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool KeyboardFocus::OnAnotherWindowThan(const QWidget& window) const {
  if (reported_) return window_ != 0 && window_ != window.winId();
  const QWindow* focused = QGuiApplication::focusWindow();
  return focused != nullptr && focused != window.windowHandle();
}

bool KeyboardFocus::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
  if (type != "xcb_generic_event_t" || message == nullptr) return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  const std::uint8_t kind = event->response_type & 0x7F;
  if (kind != XCB_FOCUS_IN && kind != XCB_FOCUS_OUT) return false;
  const auto* focus = static_cast<const xcb_focus_in_event_t*>(message);
  if (AboutThePointer(focus->detail) || focus->mode == XCB_NOTIFY_MODE_GRAB || focus->mode == XCB_NOTIFY_MODE_UNGRAB) {
    return false;
  }
  reported_ = true;
  if (kind == XCB_FOCUS_IN) {
    window_ = focus->event;
  } else if (window_ == focus->event && focus->detail != XCB_NOTIFY_DETAIL_INFERIOR) {
    window_ = 0;
    if (on_left_) on_left_();
  }
  return false;  // Qt reads it too
}

}  // namespace orvo::qt
