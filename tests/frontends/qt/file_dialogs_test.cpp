// SPDX-License-Identifier: GPL-3.0-or-later
// The file and colour dialogs of the window, worked from the keyboard alone,
// and files dropped on the text.
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <functional>

#include "files/text_dialogs.h"
#include "frontends/qt/qt_dialogs.h"
#include "frontends/qt/qt_translations.h"
#include "frontends/qt/session_fixture.h"

namespace orvo::testing {
namespace {

// Runs `act` on the dialog of type D once it is shown and waits (the dialog's own loop is running).
template <typename D>
void WhenShown(std::function<void(D&)> act) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<D*>(w);
      if (dialog == nullptr || !dialog->isVisible()) continue;
      timer->stop();
      timer->deleteLater();
      // As a person finds it: active, with the keyboard in it.
      QApplication::setActiveWindow(dialog);
      act(*dialog);
      // A check that failed must not leave it waiting.
      QTimer::singleShot(3000, dialog, [dialog] { dialog->reject(); });
      return;
    }
  });
  timer->start();
}

TEST_F(QtFrontEnd, TheSaveDialogTakesATypedNameAndAddsTheExtension) {
  qt::QtDialogs& dialogs = S().dialogs;  // the session's: its key handling stands aside
  std::string title;
  std::string offered;
  WhenShown<QFileDialog>([&](QFileDialog& d) {
    title = d.accessibleName().toStdString();
    auto* name = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    offered = name->text().toStdString();
    ASSERT_EQ(QApplication::focusWidget(), name);  // the keyboard starts in the name box
    name->selectAll();
    QTest::keyClicks(name, QString::fromStdString(Path("memo")));
    QTest::keyClick(name, Qt::Key_Return);
  });
  FileDialogRequest request;
  request.kind = FileDialogKind::kSave;
  request.title = u"ファイルに名前を付けて保存";
  request.file_name = u"新規.txt";
  request.filter = u"テキストファイル（*．txt）|*.txt";
  request.default_extension = u"txt";
  request.flags = files::kSaveFlags;
  const FileDialogAnswer answer = dialogs.ShowFile(request);
  EXPECT_EQ(title, "ファイルに名前を付けて保存");
  EXPECT_EQ(offered, "新規.txt");
  ASSERT_TRUE(answer.chosen);
  EXPECT_EQ(ToUtf8(answer.path), Path("memo.txt"));
  EXPECT_EQ(answer.file_title, u"memo.txt");
}

TEST_F(QtFrontEnd, EscCancelsTheOpenDialogAndTheColourDialogKeepsItsColour) {
  qt::QtDialogs& dialogs = S().dialogs;
  WhenShown<QFileDialog>([](QFileDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
  FileDialogRequest request;
  request.title = u"テキスト ファイルを開く";
  EXPECT_FALSE(dialogs.ShowFile(request).chosen);

  WhenShown<QColorDialog>([](QColorDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
  ColourDialogRequest colour;
  colour.colour = 0x123456;
  const ColourDialogAnswer cancelled = dialogs.ShowColour(colour);
  EXPECT_FALSE(cancelled.chosen);
  EXPECT_EQ(cancelled.colour, 0x123456u);

  WhenShown<QColorDialog>([](QColorDialog& d) {
    QWidget* f = QApplication::focusWidget();
    QTest::keyClick(f ? f : &d, Qt::Key_Return);
  });
  const ColourDialogAnswer chosen = dialogs.ShowColour(colour);
  EXPECT_TRUE(chosen.chosen);
  EXPECT_EQ(chosen.colour, 0x123456u);
}

TEST_F(QtFrontEnd, FileDialogsSpeakJapaneseAndStartInTheDocumentsFolder) {
  QTranslator* words = qt::InstallQtTranslations(*QCoreApplication::instance());
  ASSERT_NE(words, nullptr) << "Qt's Japanese translations are not installed";
  qt::QtDialogs& dialogs = S().dialogs;
  QString folder;
  QStringList buttons;
  const auto look = [&](QFileDialog& d) {
    folder = d.directory().absolutePath();
    buttons.clear();
    for (QPushButton* b : d.findChildren<QPushButton*>()) buttons << b->text();
    QTest::keyClick(&d, Qt::Key_Escape);
  };
  std::filesystem::create_directories(Path("notes"));
  WhenShown<QFileDialog>(look);
  FileDialogRequest request;
  request.initial_folder = FromUtf8(Path("notes"));
  dialogs.ShowFile(request);
  EXPECT_EQ(folder.toStdString(), Path("notes"));
  EXPECT_TRUE(buttons.contains(QStringLiteral("キャンセル"))) << buttons.join(u',').toStdString();
  // A new document's: the home folder, not the folder the program started in.
  WhenShown<QFileDialog>(look);
  dialogs.ShowFile(FileDialogRequest{});
  EXPECT_EQ(folder, QDir::homePath());
  QCoreApplication::removeTranslator(words);
  delete words;
}

TEST_F(QtFrontEnd, AFileDroppedOnTheTextOpens) {
  std::ofstream(Path("dropped.txt"), std::ios::binary) << "dropped";
  auto* mime = new QMimeData;
  mime->setUrls({QUrl::fromLocalFile(QString::fromStdString(Path("dropped.txt")))});
  qt::DocumentEdit& text = View().Text();
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, mime, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(text.viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, mime, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(text.viewport(), &drop);
  Drain();
  EXPECT_EQ(Text(), u"dropped");
  EXPECT_EQ(W().Caption(), u" Ｏ ｒｖｏ ４ － dropped.txt  ( 7 byte )");
  EXPECT_EQ(text.toPlainText(), QString("dropped"));
  delete mime;
}

}  // namespace
}  // namespace orvo::testing
