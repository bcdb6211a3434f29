// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/qt_translations.h"

#include <QLibraryInfo>
#include <QLocale>

namespace orvo::qt {

QTranslator* InstallQtTranslations(QCoreApplication& app) {
  // Parented to the application: it lives as long as the words it gives.
  auto* words = new QTranslator(&app);
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  if (!words->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete words;
    return nullptr;
  }
  QCoreApplication::installTranslator(words);
  return words;
}

}  // namespace orvo::qt
