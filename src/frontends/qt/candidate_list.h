// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The candidates of the focused clause while converting, in a list under the
// clause: a page of nine at a time, numbered, the current choice selected.
// It never takes the keyboard; the program's IME moves the choice, and screen
// readers are told of each new choice.
#include <QListWidget>
#include <optional>
#include <utility>
#include <vector>

#include "platform/text.h"

namespace orvo::qt {

// The page of candidates that holds the choice.
struct CandidatePage {
  int first = 0;  // index of the page's first candidate
  std::vector<ustring> items;
  int current = -1;  // row of the choice on the page; -1 when shown in another form
  bool operator==(const CandidatePage&) const = default;
};

CandidatePage PageOf(const std::vector<ustring>& candidates, int selected);

// Where a list of `size` goes beside a clause drawn at `clause`, inside
// `room`: under the clause's line when it fits there, else above it, never
// over it; `gap` pixels apart; moved left to stay inside. Empty when it fits
// on neither side.
std::optional<QPoint> PlaceBeside(const QRect& clause, QSize size, const QRect& room, int gap);

// How many columns a list of `rows` rows, each `row_height` high, takes to
// stand in `height` (the rows shared out alike), and how many rows each has.
struct Columns {
  int columns = 1;
  int rows = 0;
};
Columns ColumnsFor(int rows, int row_height, int height);

class CandidateList : public QListWidget {
  Q_OBJECT

 public:
  static constexpr int kPageSize = 9;

  explicit CandidateList(QWidget* parent);

  // Shows the page beside the clause drawn at `clause`, in the parent's
  // coordinates: inside the parent under or above the clause's line where it
  // has room, else in a window of its own on the screen, beside the clause
  // likewise (in columns where the screen is too low for one, in a smaller
  // size, not below the desktop's, where the screen holds it in no columns);
  // an empty page hides the list.
  void ShowPage(const CandidatePage& page, const QRect& clause);
  // Always a window of its own over the parent, shown in full however small
  // the parent is (a one-line box). It never takes the keyboard.
  void SetFloating(bool floating);
  // Whether it stands in a window of its own now.
  bool Floats() const { return floats_; }
  const CandidatePage& Page() const { return page_; }
  // How many columns the page stands in.
  int ColumnCount() const { return columns_; }
  // What readers were told of the choice since the last call (empty: nothing):
  // the item they heard, its description and number.
  QString TakeTold() { return std::exchange(told_, QString()); }

 private:
  void Announce();
  void Float(bool floats);
  // Lays the page out in `columns` and sizes the list for it.
  void Arrange(int columns);
  // Where the list stands over the screen beside the clause (in screen
  // coordinates), in columns where one is too tall; empty when it fits nowhere.
  std::optional<QPoint> PlaceOnScreen(const QRect& clause, const QRect& room, int gap);

  CandidatePage page_;
  bool floating_ = false;  // always floats
  bool floats_ = false;    // floats now
  int columns_ = 1;
  QString told_;
};

}  // namespace orvo::qt
