// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/reader_events.h"

#include <QAccessible>
#include <utility>

namespace orvo::qt {
namespace {

ReaderListener& Listener() {
  static ReaderListener listener;
  return listener;
}

}  // namespace

void TellReaders(QAccessibleEvent& event) {
  if (Listener()) Listener()(event);
  QAccessible::updateAccessibility(&event);
}

bool ReadersListening() { return static_cast<bool>(Listener()) || QAccessible::isActive(); }

ReaderListener SetReaderListener(ReaderListener listener) { return std::exchange(Listener(), std::move(listener)); }

}  // namespace orvo::qt
