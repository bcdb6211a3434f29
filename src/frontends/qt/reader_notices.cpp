// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/reader_notices.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "frontends/qt/qt_text.h"
#include "frontends/qt/reader_events.h"
#include "frontends/qt/qt_texts.h"

namespace orvo::qt {
namespace {

QAccessibleInterface* NoticeRoles(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String(ReaderNotice::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
  }
  if (class_name == QLatin1String(ReaderNotices::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
  }
  return nullptr;
}

}  // namespace

ReaderNotices::ReaderNotices(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAccessibleName(ToQ(texts::kNoticesName));
  setGeometry(0, 0, 0, 0);
  for (ReaderNotice*& notice : notices_) {
    notice = new ReaderNotice(this);
    notice->setFocusPolicy(Qt::NoFocus);
    notice->setGeometry(0, 0, 0, 0);
    notice->hide();
  }
  QAccessible::installActivationObserver(this);
}

ReaderNotices::~ReaderNotices() { QAccessible::removeActivationObserver(this); }

void ReaderNotices::Say(const QString& line) {
  if (line.isEmpty()) return;
  newest_ = line;
  newest_shown_ = false;
  if (!reader_came_ && !ReadersListening()) return;
  Show(line);
}

void ReaderNotices::accessibilityActiveChanged(bool active) {
  reader_came_ = active;
  // A reader that starts now finds the newest line where it always stands.
  if (active && !newest_shown_) Show(newest_);
}

void ReaderNotices::Show(const QString& line) {
  newest_shown_ = true;
  ReaderNotice* notice = notices_[static_cast<std::size_t>(next_)];
  next_ = (next_ + 1) % kTurns;
  // Only the newest is shown: a reader exploring the window finds one notice.
  if (last_ != nullptr) last_->hide();
  notice->hide();
  notice->setAccessibleName(line);
  notice->show();  // the reader speaks it as it is shown
  last_ = notice;
}

void InstallReaderNoticeRoles() {
  static const bool installed = [] {
    QAccessible::installFactory(NoticeRoles);
    return true;
  }();
  (void)installed;
}

}  // namespace orvo::qt
