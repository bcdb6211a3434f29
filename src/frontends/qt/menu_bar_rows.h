// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menu bar, in as many rows as its width needs: on a
// narrow window (a small screen at a large desktop scale) the menus that do
// not fit go on further rows below the first, each a bar of its own inside
// this one, instead of behind an overflow button. Every menu stays on the
// screen at the desktop's font size. Left and Right in an open menu go on
// from the last menu of a row to the next row's first, and back.
#include <QMenuBar>
#include <functional>
#include <vector>

class QMenu;

namespace orvo::qt {

class MenuBarRows : public QMenuBar {
  Q_OBJECT

 public:
  explicit MenuBarRows(QWidget* parent = nullptr);

  // Empties every row.
  void Clear();
  // A top-level menu or command at the end of the bar.
  QMenu* AddMenu();
  QAction* AddCommand();
  // Puts the menus in rows for the present width and their visibility; does
  // nothing when the rows stay as they are.
  void Arrange();
  // Opens a top-level menu (shows a command as chosen), on whichever row it stands.
  void Open(QAction* top);
  // Closes whatever is open on any row.
  void CloseAll();
  int Rows() const { return static_cast<int>(rows_.size()) + 1; }
  // The bar that shows a top-level entry: this one or a further row.
  QMenuBar* RowOf(const QAction* top) const;
  // Called after the bar took another height (rows came or went).
  void SetOnHeightChanged(std::function<void()> changed) { height_changed_ = std::move(changed); }

  int heightForWidth(int width) const override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // How wide an entry is drawn on the bar, spacing included; 0 for a hidden one.
  int EntryWidth(QAction* top) const;
  // For each entry in order, the row it goes on at this width.
  std::vector<int> RowsFor(int width) const;
  int RowHeight() const;
  // Left or Right in an open menu at a row's end; true when it moved to another row.
  bool CrossRows(QMenu& menu, bool forward);

  std::vector<QAction*> order_;  // every top-level entry, as added
  std::vector<QMenuBar*> rows_;  // the rows after the first
  std::vector<int> placed_;      // the row each entry of order_ stands on
  // What the rows were last worked out from: the width, and each entry's shown text.
  int arranged_width_ = -1;
  std::vector<QString> arranged_entries_;
  std::function<void()> height_changed_;
};

}  // namespace orvo::qt
