// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar on a window too narrow for its menus: further rows instead of
// an overflow button, every menu on the bar, and the arrow keys of an open
// menu going on from one row to the next.
#include "frontends/qt/menu_bar_rows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "frontends/qt/qt_app.h"

namespace orvo::qt {
namespace {

class MenuBarRowsTest : public ::testing::Test {
 protected:
  MenuBarRowsTest() {
    bar_ = new MenuBarRows(&window_);
    window_.setMenuBar(bar_);
    window_.setCentralWidget(new QWidget);
    for (const char* caption : {"ファイル(&F)", "編集(&E)", "オプション(&O)", "ヘルプ(&H)"}) {
      QMenu* menu = bar_->AddMenu();
      menu->setTitle(QString::fromUtf8(caption));
      menu->addAction(QStringLiteral("項目"));
      menus_.push_back(menu);
    }
    exit_ = bar_->AddCommand();
    exit_->setText(QStringLiteral("ソフト終了(ESC)"));
  }
  ~MenuBarRowsTest() override {
    while (QApplication::activePopupWidget() != nullptr) QApplication::activePopupWidget()->close();
  }
  void ShowAt(int width) {
    window_.resize(width, 300);
    window_.show();
    bar_->Arrange();
    QCoreApplication::processEvents();
  }
  // Every shown entry lies whole on the row that holds it.
  void ExpectEveryEntryOnItsRow() {
    std::vector<QAction*> entries = {exit_};
    for (QMenu* menu : menus_) entries.push_back(menu->menuAction());
    for (QAction* entry : entries) {
      if (!entry->isVisible()) continue;
      QMenuBar* row = bar_->RowOf(entry);
      EXPECT_TRUE(row->rect().contains(row->actionGeometry(entry))) << entry->text().toStdString();
      EXPECT_TRUE(bar_->rect().contains(QRect(row->mapTo(bar_, QPoint(0, 0)), row->size())));
    }
    for (const QToolButton* more : bar_->findChildren<QToolButton*>())
      EXPECT_FALSE(more->isVisible());
  }

  QApplication& app_ = orvo::testing::App();  // before any widget
  QMainWindow window_;
  MenuBarRows* bar_ = nullptr;
  std::vector<QMenu*> menus_;
  QAction* exit_ = nullptr;
};

TEST_F(MenuBarRowsTest, AWideWindowHasOneRowANarrowOneAsManyAsItsMenusNeed) {
  ShowAt(900);
  EXPECT_EQ(bar_->Rows(), 1);
  EXPECT_EQ(bar_->actions().size(), 5);
  const int row = bar_->height();
  ExpectEveryEntryOnItsRow();

  ShowAt(bar_->actionGeometry(menus_[2]->menuAction()).right() + 4);
  EXPECT_EQ(bar_->Rows(), 2);
  EXPECT_EQ(bar_->height(), 2 * row);
  EXPECT_EQ(bar_->RowOf(menus_[2]->menuAction()), bar_);
  EXPECT_NE(bar_->RowOf(menus_[3]->menuAction()), bar_);
  ExpectEveryEntryOnItsRow();
  // The window's inner area lies below every row.
  EXPECT_GE(window_.centralWidget()->y(), 2 * row);

  // A hidden entry takes no room: back to what one row less holds.
  menus_[3]->menuAction()->setVisible(false);
  exit_->setVisible(false);
  bar_->Arrange();
  QCoreApplication::processEvents();
  EXPECT_EQ(bar_->Rows(), 1);
  ExpectEveryEntryOnItsRow();
  menus_[3]->menuAction()->setVisible(true);
  exit_->setVisible(true);

  ShowAt(900);
  EXPECT_EQ(bar_->Rows(), 1);
  EXPECT_EQ(bar_->actions().size(), 5);
}

TEST_F(MenuBarRowsTest, TheArrowKeysGoOnFromOneRowToTheNext) {
  ShowAt(bar_->actionGeometry(menus_[1]->menuAction()).right() + 4);
  ASSERT_EQ(bar_->RowOf(menus_[1]->menuAction()), bar_);
  ASSERT_NE(bar_->RowOf(menus_[2]->menuAction()), bar_);
  bar_->Open(menus_[1]->menuAction());
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::activePopupWidget(), menus_[1]);
  QTest::keyClick(menus_[1], Qt::Key_Right);
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::activePopupWidget(), menus_[2]);
  EXPECT_FALSE(menus_[1]->isVisible());
  QTest::keyClick(menus_[2], Qt::Key_Left);
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::activePopupWidget(), menus_[1]);
  // Left on the first menu of all goes round to the last row's last menu.
  bar_->CloseAll();
  QCoreApplication::processEvents();
  bar_->Open(menus_[0]->menuAction());
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::activePopupWidget(), menus_[0]);
  QTest::keyClick(menus_[0], Qt::Key_Left);
  QCoreApplication::processEvents();
  EXPECT_NE(bar_->RowOf(exit_), bar_);
  EXPECT_EQ(bar_->RowOf(exit_)->activeAction(), exit_);
}

TEST_F(MenuBarRowsTest, ClearingEmptiesEveryRow) {
  ShowAt(bar_->actionGeometry(menus_[1]->menuAction()).right() + 4);
  ASSERT_GT(bar_->Rows(), 1);
  ASSERT_NE(bar_->RowOf(exit_), bar_);
  bar_->Clear();
  EXPECT_EQ(bar_->Rows(), 1);
  EXPECT_TRUE(bar_->actions().isEmpty());
  EXPECT_TRUE(bar_->findChildren<QMenuBar*>().isEmpty());
  // Built again, the entries take rows as before.
  for (int i = 0; i < 6; ++i) bar_->AddMenu()->setTitle(QStringLiteral("メニュー%1").arg(i));
  bar_->Arrange();
  EXPECT_GT(bar_->Rows(), 1);
  exit_ = nullptr;
  menus_.clear();
}

}  // namespace
}  // namespace orvo::qt
