// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/candidate_list.h"

#include <QAccessible>
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

void CandidateList::SetFloating(bool floating) {
  if (floating == floating_) return;
  floating_ = floating;
  const bool shown = isVisible();
  setWindowFlags(floating ? Qt::ToolTip | Qt::FramelessWindowHint : Qt::Widget);
  setAttribute(Qt::WA_ShowWithoutActivating, floating);
  if (shown) show();
}

void CandidateList::ShowPage(const CandidatePage& page, QPoint at) {
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
  if (!(page == page_)) {
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
    const int rows = count();
    int width = 0;
    for (int k = 0; k < rows; ++k) width = std::max(width, fontMetrics().horizontalAdvance(item(k)->text()));
    resize(width + 2 * frameWidth() + 12, rows * std::max(1, sizeHintForRow(0)) + 2 * frameWidth());
  }
  if (const QWidget* owner = parentWidget(); owner != nullptr && floating_) {
    // Under the clause on the screen, above it where the screen ends.
    const QPoint global = owner->mapToGlobal(at);
    const QScreen* screen = owner->screen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(global, size());
    QPoint place(std::clamp(global.x(), room.left(), std::max(room.left(), room.right() + 1 - width())), global.y());
    if (place.y() + height() > room.bottom() + 1) place.setY(global.y() - height() - fontMetrics().lineSpacing() - 2);
    at = place;
  } else if (owner != nullptr) {
    at.setX(std::clamp(at.x(), 0, std::max(0, owner->width() - width())));
    if (at.y() + height() > owner->height()) at.setY(std::max(0, at.y() - height() - fontMetrics().lineSpacing()));
  }
  move(at);
  show();
  raise();
}

void CandidateList::Announce() {
  // The list never has the keyboard, yet its choice is where the person's
  // attention is while converting: a screen reader hears it as the focused item.
  if (page_.current < 0) return;
  QAccessibleEvent chosen(this, QAccessible::Focus);
  chosen.setChild(page_.current);
  TellReaders(chosen);
}

}  // namespace orvo::qt
