// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own words (the file dialogs' labels and buttons, the standard
// buttons) in Japanese, as the rest of the program speaks, from the
// translations the system's Qt ships.
#include <QCoreApplication>
#include <QTranslator>

namespace orvo::qt {

// The translator installed (the application owns it), or null when the
// system has no Japanese translations of Qt.
QTranslator* InstallQtTranslations(QCoreApplication& app);

}  // namespace orvo::qt
