// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/candidate_list.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QScreen>
#include <algorithm>

#include "frontends/qt/qt_text.h"
#include "frontends/qt/qt_texts.h"
#include "frontends/qt/reader_events.h"
#include "readings/describer.h"

namespace orvo::qt {

CandidatePage PageOf(const std::vector<ustring>& candidates, int selected) {
  CandidatePage page;
  const int total = static_cast<int>(candidates.size());
  if (total == 0) return page;
  page.first = std::clamp(selected, 0, total - 1) / CandidateList::kPageSize * CandidateList::kPageSize;
  const int count = std::min(total - page.first, CandidateList::kPageSize);
  for (int k = 0; k < count; ++k) page.items.push_back(candidates[static_cast<std::size_t>(page.first + k)]);
  page.current = selected >= page.first && selected < page.first + count ? selected - page.first : -1;
  return page;
}

CandidateList::CandidateList(QWidget* parent) : QListWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setAccessibleName(ToQ(texts::kCandidatesName));
  setAccessibleDescription(ToQ(texts::kCandidatesDescription));
  // Opaque: the text it comes over is not painted again beneath it.
  setAutoFillBackground(true);
  hide();
}

std::optional<QPoint> PlaceBeside(const QRect& clause, QSize size, const QRect& room, int gap) {
  const int x = std::clamp(clause.left(), room.left(), std::max(room.left(), room.right() + 1 - size.width()));
  const int below = clause.bottom() + 1 + gap;
  if (below >= room.top() && below + size.height() <= room.bottom() + 1) return QPoint(x, below);
  const int above = clause.top() - gap - size.height();
  if (above >= room.top() && clause.top() - gap <= room.bottom() + 1) return QPoint(x, above);
  return std::nullopt;
}

Columns ColumnsFor(int rows, int row_height, int height) {
  if (rows <= 0) return {1, 0};
  const int fit = std::max(1, height / std::max(1, row_height));
  const int columns = (rows + fit - 1) / fit;
  return {columns, (rows + columns - 1) / columns};
}

void CandidateList::SetFloating(bool floating) {
  if (floating == floating_) return;
  floating_ = floating;
  Float(floating);
}

void CandidateList::Float(bool floats) {
  if (floats == floats_) return;
  floats_ = floats;
  const bool shown = isVisible();
  setWindowFlags(floats ? Qt::ToolTip | Qt::FramelessWindowHint : Qt::Widget);
  setAttribute(Qt::WA_ShowWithoutActivating, floats);
  if (shown) show();
}

void CandidateList::Arrange(int columns) {
  columns_ = std::max(1, columns);
  const int rows = count();
  const int row_height = std::max(1, sizeHintForRow(0));
  int width = 0;
  for (int k = 0; k < rows; ++k) width = std::max(width, fontMetrics().horizontalAdvance(item(k)->text()));
  // Room for the selection's margins on each side of the widest candidate.
  const int column_width = width + fontMetrics().averageCharWidth() + 12;
  const int per_column = (rows + columns_ - 1) / columns_;
  // Each change lays the list out again: only what differs is set.
  if (flow() != QListView::TopToBottom) setFlow(QListView::TopToBottom);
  if (isWrapping() != (columns_ > 1)) setWrapping(columns_ > 1);
  if (!uniformItemSizes()) setUniformItemSizes(true);
  const QSize grid = columns_ > 1 ? QSize(column_width, row_height) : QSize();
  if (gridSize() != grid) setGridSize(grid);
  // A column ends a pixel short of the list's inner height: one more keeps its last row.
  resize(column_width * columns_ + 2 * frameWidth(), per_column * row_height + 2 * frameWidth() + (columns_ > 1 ? 1 : 0));
}

void CandidateList::ShowPage(const CandidatePage& page, const QRect& clause) {
  if (page.items.empty()) {
    const bool was_shown = !page_.items.empty();
    page_ = {};
    if (!was_shown) return;
    clear();  // no hidden item is left claiming the reader's focus
    hide();
    // The reader's focus was on the choice: it goes back to the document.
    if (QWidget* document = parentWidget()) {
      QAccessibleEvent back(document, QAccessible::Focus);
      TellReaders(back);
    }
    return;
  }
  const bool new_page = !(page == page_);
  if (new_page) {
    page_ = page;
    clear();
    for (std::size_t k = 0; k < page.items.size(); ++k) {
      addItem(QString::number(k + 1) + QLatin1Char(' ') + ToQ(page.items[k]));
      // A reader hears the candidate, what it is made of, then its number.
      item(static_cast<int>(k))
          ->setData(Qt::AccessibleTextRole, ToQ(page.items[k] + u' ' + readings::Describe(page.items[k]) + u' ') +
                                                QString::number(k + 1));
    }
    setCurrentRow(page.current);
    if (page.current < 0) clearSelection();
    Announce();
  }
  QWidget* owner = parentWidget();
  if (owner == nullptr) return;
  // In the document's size, also as a window of its own (which takes no font from its owner).
  if (!testAttribute(Qt::WA_SetFont) || font() != owner->font()) setFont(owner->font());
  const int gap = 2;
  Arrange(1);
  // Inside the document where it has room, so that it scrolls and repaints with it.
  if (!floating_) {
    if (const std::optional<QPoint> inside = PlaceBeside(clause, size(), owner->rect(), gap)) {
      Float(false);
      if (pos() != *inside) move(*inside);
      show();
      raise();
      return;
    }
  }
  // Else over the screen, beside the clause there.
  Float(true);
  const QRect on_screen(owner->mapToGlobal(clause.topLeft()), clause.size());
  const QScreen* screen = owner->screen();
  const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(on_screen.topLeft(), size());
  // Text so large that the screen holds the page beside the clause in no
  // number of columns (a large size on a small screen at a large scale) is
  // drawn smaller, step by step, down to the desktop's own size at least.
  const int least = QFontInfo(QApplication::font()).pixelSize();
  QFont font = this->font();
  std::optional<QPoint> at = PlaceOnScreen(on_screen, room, gap);
  while (!at && QFontInfo(font).pixelSize() > least) {
    font.setPixelSize(std::max(least, QFontInfo(font).pixelSize() * 7 / 8));
    setFont(font);
    at = PlaceOnScreen(on_screen, room, gap);
  }
  if (!at) {
    const int below = room.bottom() - on_screen.bottom() - gap;
    const int above = on_screen.top() - gap - room.top();
    const int x = std::clamp(on_screen.left(), room.left(), std::max(room.left(), room.right() + 1 - width()));
    at = QPoint(x, below >= above ? on_screen.bottom() + 1 + gap : on_screen.top() - gap - height());
  }
  if (pos() != *at) move(*at);
  show();
  raise();
}

std::optional<QPoint> CandidateList::PlaceOnScreen(const QRect& clause, const QRect& room, int gap) {
  Arrange(1);
  std::optional<QPoint> at = PlaceBeside(clause, size(), room, gap);
  if (!at) {
    // Too many rows for the screen on either side: in columns on the side with more room.
    const int below = room.bottom() - clause.bottom() - gap;
    const int above = clause.top() - gap - room.top();
    const int room_height = std::max(below, above) - 2 * frameWidth() - 1;
    Arrange(ColumnsFor(count(), std::max(1, sizeHintForRow(0)), room_height).columns);
    at = PlaceBeside(clause, size(), room, gap);
  }
  // Columns wider than the screen would cut candidates off at its edge.
  if (width() > room.width()) return std::nullopt;
  return at;
}

void CandidateList::Announce() {
  // The list never has the keyboard, yet its choice is where the person's
  // attention is while converting: a screen reader hears it as the focused item.
  if (page_.current < 0) return;
  QAccessibleEvent chosen(this, QAccessible::Focus);
  chosen.setChild(page_.current);
  TellReaders(chosen);
  if (const QListWidgetItem* told = item(page_.current)) told_ = told->data(Qt::AccessibleTextRole).toString();
}

}  // namespace orvo::qt
