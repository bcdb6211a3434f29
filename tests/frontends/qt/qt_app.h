// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One QApplication for every test of the suite, on the offscreen platform
// unless the environment names another.
#include <QApplication>
#include <QtGlobal>

namespace orvo::testing {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "orvo_qt_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: Qt's own globals may be gone by the time statics are.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace orvo::testing
