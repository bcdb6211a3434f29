// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's image as the X server shares it. Qt's X11 backing store hands
// the server the painted parts of a window in memory both can read, and before
// it paints over a part it handed over it waits for the server to have read
// it: a round trip to the server on the way of every key that paints where
// the key before it did (the line typed into). Settled once a key's text is
// out, the next key's paint finds nothing to wait for.
#include <QPoint>

class QWidget;

namespace orvo::qt {

// Waits, now, until the server has read what `window` (a top-level widget)
// handed it. `painted_at` is a pixel of the window (in its coordinates) that
// was painted since the last scroll of the window's contents: its part of the
// image is up to date, and is left as it is. Does nothing but on X11, or for
// a window with an alpha channel.
void SettleSharedImage(QWidget& window, QPoint painted_at);

}  // namespace orvo::qt
