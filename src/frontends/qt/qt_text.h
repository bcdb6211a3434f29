// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's UTF-16 strings and RGB colours as Qt takes them.
#include <QColor>
#include <QString>
#include <cstdint>

#include "platform/text.h"

namespace orvo::qt {

inline QString ToQ(ustring_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline ustring FromQ(const QString& text) { return text.toStdU16String(); }

// Colours are red + 256 green + 65536 blue, as the program keeps them.
inline QColor ToQColor(std::uint32_t rgb) {
  return QColor(static_cast<int>(rgb & 0xFFu), static_cast<int>((rgb >> 8) & 0xFFu),
                static_cast<int>((rgb >> 16) & 0xFFu));
}

}  // namespace orvo::qt
