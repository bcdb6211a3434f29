// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/menu_bar_rows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace orvo::qt {
namespace {

// What the style leaves free at the ends of a row (an entry's width counts the spacing before it).
int RowMargins(const QMenuBar& bar) {
  const QStyle& style = *bar.style();
  const int frame = style.pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, &bar);
  const int margin = style.pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, &bar);
  return 2 * (2 * frame + margin);
}

std::vector<QAction*> ShownEntries(const QMenuBar& bar) {
  std::vector<QAction*> shown;
  for (QAction* a : bar.actions()) {
    if (a->isVisible() && !a->isSeparator()) shown.push_back(a);
  }
  return shown;
}

}  // namespace

MenuBarRows::MenuBarRows(QWidget* parent) : QMenuBar(parent) { setNativeMenuBar(false); }

void MenuBarRows::Clear() {
  const int rows_before = Rows();
  // Back on the first row, the entries are let go of as a bar's own are when it is cleared.
  for (QMenuBar* row : rows_) {
    for (QAction* a : row->actions()) {
      row->removeAction(a);
      addAction(a);
    }
    delete row;
  }
  rows_.clear();
  QMenuBar::clear();
  order_.clear();
  placed_.clear();
  arranged_entries_.clear();
  if (Rows() != rows_before) updateGeometry();
}

QMenu* MenuBarRows::AddMenu() {
  QMenu* menu = QMenuBar::addMenu(QString());
  menu->installEventFilter(this);
  order_.push_back(menu->menuAction());
  placed_.push_back(0);
  return menu;
}

QAction* MenuBarRows::AddCommand() {
  QAction* command = QMenuBar::addAction(QString());
  order_.push_back(command);
  placed_.push_back(0);
  return command;
}

int MenuBarRows::EntryWidth(QAction* top) const {
  if (!top->isVisible()) return 0;
  QSize size;
  if (!top->icon().isNull()) {
    const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    size = QSize(icon, icon);
  } else {
    size = fontMetrics().size(Qt::TextShowMnemonic, top->text());
  }
  QStyleOptionMenuItem option;
  initStyleOption(&option, top);
  size = style()->sizeFromContents(QStyle::CT_MenuBarItem, &option, size, this);
  return size.width() + style()->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, this);
}

std::vector<int> MenuBarRows::RowsFor(int width) const {
  const int room = width - RowMargins(*this);
  std::vector<int> rows;
  int row = 0;
  int used = 0;
  for (QAction* top : order_) {
    const int entry = EntryWidth(top);
    if (entry > 0 && used > 0 && used + entry > room) {
      ++row;
      used = 0;
    }
    used += entry;
    rows.push_back(row);
  }
  return rows;
}

int MenuBarRows::RowHeight() const { return QMenuBar::sizeHint().height(); }

int MenuBarRows::heightForWidth(int width) const {
  const std::vector<int> rows = RowsFor(width);
  const int count = rows.empty() ? 1 : rows.back() + 1;
  return RowHeight() * count;
}

QSize MenuBarRows::sizeHint() const {
  return {QMenuBar::sizeHint().width(), heightForWidth(width())};
}

QSize MenuBarRows::minimumSizeHint() const {
  return {QMenuBar::minimumSizeHint().width(), heightForWidth(width())};
}

void MenuBarRows::Arrange() {
  // An open drop-down is not pulled from under the person.
  if (QApplication::activePopupWidget() != nullptr) return;
  // Asked after every event: worked out again only when the width or an entry
  // changed, and found unchanged without allocating.
  const auto shown = [](const QAction* top) { return top->isVisible() ? top->text() : QString(); };
  bool same = width() == arranged_width_ && arranged_entries_.size() == order_.size();
  for (std::size_t i = 0; same && i < order_.size(); ++i) same = shown(order_[i]) == arranged_entries_[i];
  if (same) return;
  std::vector<QString> entries;
  entries.reserve(order_.size());
  for (const QAction* top : order_) entries.push_back(shown(top));
  arranged_width_ = width();
  arranged_entries_ = std::move(entries);
  const std::vector<int> rows = RowsFor(width());
  if (rows == placed_) return;
  const int rows_before = Rows();
  const int count = rows.empty() ? 1 : rows.back() + 1;
  while (static_cast<int>(rows_.size()) < count - 1) {
    auto* row = new QMenuBar(this);
    row->setNativeMenuBar(false);
    row->setObjectName(QStringLiteral("menuRow%1").arg(rows_.size() + 2));
    rows_.push_back(row);
  }
  while (static_cast<int>(rows_.size()) > count - 1) {
    QMenuBar* row = rows_.back();
    rows_.pop_back();
    row->clear();
    delete row;
  }
  for (int r = 0; r < count; ++r) {
    QMenuBar& bar =
        r == 0 ? static_cast<QMenuBar&>(*this) : *rows_[static_cast<std::size_t>(r - 1)];
    QList<QAction*> wanted;
    for (std::size_t i = 0; i < order_.size(); ++i) {
      if (rows[i] == r) wanted.push_back(order_[i]);
    }
    if (bar.actions() == wanted) continue;
    for (QAction* a : bar.actions()) bar.removeAction(a);
    bar.addActions(wanted);
  }
  placed_ = rows;
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    rows_[r]->setGeometry(0, RowHeight() * static_cast<int>(r + 1), width(), RowHeight());
    rows_[r]->show();
  }
  if (Rows() != rows_before) updateGeometry();
}

QMenuBar* MenuBarRows::RowOf(const QAction* top) const {
  for (QMenuBar* row : rows_) {
    if (row->actions().contains(top)) return row;
  }
  return const_cast<MenuBarRows*>(this);
}

void MenuBarRows::Open(QAction* top) { RowOf(top)->setActiveAction(top); }

void MenuBarRows::CloseAll() {
  setActiveAction(nullptr);
  for (QMenuBar* row : rows_) row->setActiveAction(nullptr);
}

void MenuBarRows::resizeEvent(QResizeEvent* event) {
  QMenuBar::resizeEvent(event);
  Arrange();
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const QRect at(0, RowHeight() * static_cast<int>(r + 1), width(), RowHeight());
    if (rows_[r]->geometry() != at) rows_[r]->setGeometry(at);
  }
  if (event->oldSize().height() != height() && height_changed_) height_changed_();
}

bool MenuBarRows::CrossRows(QMenu& menu, bool forward) {
  if (rows_.empty()) return false;
  QAction* top = menu.menuAction();
  const auto at = std::find(order_.begin(), order_.end(), top);
  if (at == order_.end()) return false;
  // Right on an item with a drop-down of its own opens that.
  if (forward && menu.activeAction() != nullptr && menu.activeAction()->menu() != nullptr)
    return false;
  QMenuBar* bar = RowOf(top);
  const std::vector<QAction*> shown = ShownEntries(*bar);
  if (shown.empty() || (forward ? shown.back() : shown.front()) != top) return false;
  // The next entry that can be opened, over every row, round to the first.
  const std::size_t n = order_.size();
  const std::size_t from = static_cast<std::size_t>(at - order_.begin());
  QAction* next = nullptr;
  for (std::size_t step = 1; step < n && next == nullptr; ++step) {
    QAction* a = order_[(forward ? from + step : from + n - step) % n];
    if (a->isVisible() && a->isEnabled()) next = a;
  }
  if (next == nullptr || RowOf(next) == bar) return false;
  menu.hide();
  RowOf(next)->setActiveAction(next);
  return true;
}

bool MenuBarRows::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* menu = qobject_cast<QMenu*>(watched);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool forward = (key == Qt::Key_Right) == (layoutDirection() == Qt::LeftToRight);
    if (menu != nullptr && (key == Qt::Key_Right || key == Qt::Key_Left) &&
        CrossRows(*menu, forward))
      return true;
  }
  return QMenuBar::eventFilter(watched, event);
}

}  // namespace orvo::qt
