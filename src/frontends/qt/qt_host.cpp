// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/qt_host.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

#include "platform/posix/terminal_message.h"
#include "frontends/qt/qt_text.h"

namespace orvo::qt {
namespace {

QMessageBox::Icon IconOf(int icon) {
  switch (icon) {
    case mb_icon::kStop:
      return QMessageBox::Critical;
    case mb_icon::kQuestion:
      return QMessageBox::Question;
    case mb_icon::kExclamation:
      return QMessageBox::Warning;
    case mb_icon::kInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

QtHost::QtHost(ustring folder, ustring command_line)
    : folder_(std::move(folder)), command_line_(std::move(command_line)) {}

QtHost::~QtHost() = default;

ustring QtHost::DefaultFolder() {
  const QString path = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  if (path.isEmpty() || !QDir().mkpath(path)) return {};
  return FromQ(path);
}

bool QtHost::PreviousInstance() {
  return instance_.OtherRunning(ToUtf8(folder_));
}

void QtHost::StandardMessage(const ustring& text, int icon, const ustring& title) {
  messages_.push_back({text, icon});
  if (!interactive_) return;
  // From a terminal the box would look like a hang.
  posix::SayOnStandardError(ToUtf8(title), ToUtf8(text));
  QMessageBox box(IconOf(icon), ToQ(title), ToQ(text), QMessageBox::Ok);
  if (guard_) guard_(true);
  box.exec();
  if (guard_) guard_(false);
}

void QtHost::End() {
  ended_ = true;
  // exit(), not quit(): quitting asks the windows to close again, and the
  // main window has already closed itself.
  QCoreApplication::exit(0);
}

}  // namespace orvo::qt
