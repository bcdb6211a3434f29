// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the front end tells screen readers on its own (a display that changed,
// the candidate chosen) goes through here: to Qt's accessibility bridge, which
// passes it on only while a reader is running, and to a listener, which hears
// it always (a test, a log).
#include <functional>

class QAccessibleEvent;

namespace orvo::qt {

using ReaderListener = std::function<void(QAccessibleEvent&)>;

void TellReaders(QAccessibleEvent& event);

// Whether anything hears what is told now: a screen reader on the desktop, or a listener.
bool ReadersListening();

// Returns the listener it replaces (empty: none).
ReaderListener SetReaderListener(ReaderListener listener);

}  // namespace orvo::qt
