// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace orvo::qt {

ustring QtClipboard::Text() const {
  const QString text = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
  return ustring(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

void QtClipboard::SetText(ustring_view text) {
  QGuiApplication::clipboard()->setText(
      QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size())),
      QClipboard::Clipboard);
}

}  // namespace orvo::qt
