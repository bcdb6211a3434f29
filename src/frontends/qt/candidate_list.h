// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The candidates of the focused clause while converting, in a list under the
// clause: a page of nine at a time, numbered, the current choice selected.
// It never takes the keyboard; the program's IME moves the choice, and screen
// readers are told of each new choice.
#include <QListWidget>
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

class CandidateList : public QListWidget {
  Q_OBJECT

 public:
  static constexpr int kPageSize = 9;

  explicit CandidateList(QWidget* parent);

  // Shows the page with its top left at `at`, in the parent's coordinates
  // (moved in to stay inside the parent, or the screen when floating); an
  // empty page hides the list.
  void ShowPage(const CandidatePage& page, QPoint at);
  // A window of its own over the parent instead of a part of it, shown in
  // full however small the parent is (a one-line box). It never takes the keyboard.
  void SetFloating(bool floating);
  const CandidatePage& Page() const { return page_; }

 private:
  void Announce();

  CandidatePage page_;
  bool floating_ = false;
};

}  // namespace orvo::qt
