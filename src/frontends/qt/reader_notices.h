// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the window says what the program decided is to be heard. Readers on
// this desktop speak an object with the notification role as it is shown, and
// a notification inside a status bar without its role's name; Qt 6.4 sends a
// description change with the object instead of the new text, which readers
// cannot speak. So each line is the name of a notice that is shown anew. The
// notices take turns: a reader that takes an event late still finds the line
// it was shown with, not the one after it; only the newest stays shown. They
// have no size: nothing is drawn, and nothing can take the keyboard or the
// reader's focus. While no reader listens, a line is only kept (showing a
// notice would be work for no one); a reader that starts later finds the
// newest line shown.
#include <QAccessible>
#include <QWidget>
#include <array>

namespace orvo::qt {

class ReaderNotice : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

class ReaderNotices : public QWidget, private QAccessible::ActivationObserver {
  Q_OBJECT

 public:
  static constexpr int kTurns = 16;

  explicit ReaderNotices(QWidget* parent);
  ~ReaderNotices() override;

  // Shows LINE as the next notice while a reader listens (an empty line: nothing).
  void Say(const QString& line);
  // The notice shown last (null before the first).
  const ReaderNotice* Last() const { return last_; }
  // The newest line said, shown or not.
  const QString& Newest() const { return newest_; }

 private:
  void accessibilityActiveChanged(bool active) override;
  void Show(const QString& line);

  std::array<ReaderNotice*, kTurns> notices_{};
  int next_ = 0;
  ReaderNotice* last_ = nullptr;
  QString newest_;
  bool newest_shown_ = true;
  bool reader_came_ = false;  // the desktop said a reader started
};

// Gives the two classes their roles with screen readers; once per program.
void InstallReaderNoticeRoles();

}  // namespace orvo::qt
