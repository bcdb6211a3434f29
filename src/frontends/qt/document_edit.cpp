// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/document_edit.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QSignalBlocker>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "frontends/qt/later_scroll_bar.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/qt_texts.h"

namespace orvo::qt {
namespace {

QTextCharFormat MarkFormat(PreeditMark mark, const QPalette& palette) {
  QTextCharFormat format;
  switch (mark) {
    case PreeditMark::kComposing:
      // Solid: a dotted line is lost to eyes with low vision.
      format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
      break;
    case PreeditMark::kClause:
      format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
      break;
    case PreeditMark::kFocusedClause:
      format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
      format.setBackground(palette.color(QPalette::Text));
      format.setForeground(palette.color(QPalette::Base));
      break;
  }
  format.setUnderlineColor(palette.color(QPalette::Text));
  return format;
}

}  // namespace

DocumentEdit::DocumentEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setHorizontalScrollBar(new LaterScrollBar(Qt::Horizontal));
  setVerticalScrollBar(new LaterScrollBar(Qt::Vertical));
  // The text edit's own handling of the vertical bar's actions went with the bar it replaced.
  connect(verticalScrollBar(), SIGNAL(actionTriggered(int)), this, SLOT(_q_verticalScrollbarActionTriggered(int)));
  setUndoRedoEnabled(false);
  setAcceptDrops(false);
  setTabChangesFocus(false);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setAccessibleName(ToQ(texts::kDocumentName));
  setAccessibleDescription(ToQ(texts::kDocumentDescription));
  verticalScrollBar()->setAccessibleName(ToQ(texts::kVerticalScrollName));
  horizontalScrollBar()->setAccessibleName(ToQ(texts::kHorizontalScrollName));
  // Qt lays the scroll bars out again each time either's range changes (a
  // line typed wider moves the horizontal one's), which restacks and repaints
  // both; only a range that shows or hides a bar needs that.
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
    if (disconnect(bar, SIGNAL(rangeChanged(int, int)), this, SLOT(_q_showOrHideScrollBars()))) {
      connect(bar, &QScrollBar::rangeChanged, this, &DocumentEdit::ScrollRangeChanged, Qt::QueuedConnection);
    }
  }
}

template <typename Layout>
auto DocumentEdit::LayOut(Layout layout) {
  ++laying_out_;
  auto done = layout();
  if (--laying_out_ == 0) {
    laid_out_ = ScrollLayoutOf(*this, viewportMargins());
    laid_out_known_ = true;
  }
  return done;
}

void DocumentEdit::ScrollRangeChanged() {
  if (laid_out_known_ && ScrollLayoutOf(*this, viewportMargins()) == laid_out_) return;
  LayOut([this] { return QMetaObject::invokeMethod(this, "_q_showOrHideScrollBars", Qt::DirectConnection); });
}

void DocumentEdit::HoldScrollBars() {
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) static_cast<LaterScrollBar*>(bar)->Hold();
}

void DocumentEdit::LetScrollBarsGo() {
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) static_cast<LaterScrollBar*>(bar)->LetGo();
}

void DocumentEdit::ShowPreedit(const Preedit& preedit) {
  if (preedit == preedit_) return;
  const int first_changed = FirstChangedAt(preedit_, preedit);
  preedit_ = preedit;
  QList<QInputMethodEvent::Attribute> attributes;
  attributes.append({QInputMethodEvent::Cursor, preedit.caret, preedit.text.empty() ? 0 : 1});
  for (const PreeditSpan& span : SpansOf(preedit)) {
    attributes.append({QInputMethodEvent::TextFormat, span.start, span.length, MarkFormat(span.mark, palette())});
  }
  QInputMethodEvent event(ToQ(preedit.text), attributes);
  const bool applying = applying_;
  applying_ = own_preedit_ = true;
  // The widget would delete what is selected when a composition comes or goes.
  if (textCursor().hasSelection()) {
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
  }
  // Qt's plain-text layout answers any change of a composition with a repaint
  // of the whole view: the line that holds it is all that changed, unless
  // its height did and the lines below it moved.
  QAbstractTextDocumentLayout* layout = document()->documentLayout();
  const QTextBlock block = textCursor().block();
  const QRectF before = blockBoundingGeometry(block);
  const qreal right_before = OneLineRight(block);
  {
    const QSignalBlocker quiet(layout);
    QCoreApplication::sendEvent(this, &event);
  }
  const QRectF after = blockBoundingGeometry(textCursor().block());
  emit layout->documentSizeChanged(layout->documentSize());  // the scroll ranges follow a longer line
  // The widget brought the caret into view before the ranges grew, which held
  // it short of a line grown past the edge.
  ensureCursorVisible();
  if (textCursor().block() != block || after.height() != before.height()) {
    viewport()->update();
  } else {
    const QRectF changed = ChangedPart(block, after, right_before, first_changed);
    viewport()->update(changed.translated(contentOffset()).toAlignedRect().adjusted(-1, -1, 1, 1));
  }
  applying_ = applying;
  own_preedit_ = false;
}

qreal DocumentEdit::OneLineRight(const QTextBlock& block) const {
  const QTextLayout* layout = block.layout();
  if (layout == nullptr || layout->lineCount() != 1) return -1;
  const QTextLine line = layout->lineAt(0);
  return line.x() + line.naturalTextWidth();
}

QRectF DocumentEdit::ChangedPart(const QTextBlock& block, const QRectF& shown, qreal right_before,
                                 int first_changed) const {
  // Only a line that runs left to right, and stays one line, is known to
  // change from the composition's first changed character to the longer of
  // its two ends; anything else is drawn again whole.
  constexpr int kLongestLooked = 2000;
  const qreal right_after = OneLineRight(block);
  const QTextLayout* layout = block.layout();
  if (right_before < 0 || right_after < 0 || block.textDirection() != Qt::LeftToRight ||
      block.length() + static_cast<int>(preedit_.text.size()) > kLongestLooked) {
    return shown;
  }
  const auto right_to_left = [](QChar c) {
    switch (c.direction()) {
      case QChar::DirR:
      case QChar::DirAL:
      case QChar::DirRLE:
      case QChar::DirRLO:
      case QChar::DirRLI:
        return true;
      default:
        return false;
    }
  };
  const QString text = block.text();
  const QString composed = ToQ(preedit_.text);
  if (std::any_of(text.begin(), text.end(), right_to_left) ||
      std::any_of(composed.begin(), composed.end(), right_to_left)) {
    return shown;
  }
  const QTextLine line = layout->lineAt(0);
  const qreal from = line.cursorToX(layout->preeditAreaPosition() + first_changed);
  // A glyph's ink may reach past its advance (italics, kerning with the
  // character that changed beside it, the caret, the underlines): a line
  // height either side covers it.
  const qreal margin = fontMetrics().height();
  const qreal left = std::max<qreal>(0, from - margin);
  const qreal right = std::max(right_before, right_after) + margin;
  return QRectF(shown.left() + left, shown.top(), std::max<qreal>(0, right - left), shown.height());
}

QRect DocumentEdit::PreeditRect(int offset) const {
  if (preedit_.text.empty()) return {};
  const QTextBlock block = textCursor().block();
  const QTextLayout* layout = block.layout();
  if (layout == nullptr) return {};
  const int pos = layout->preeditAreaPosition() + std::clamp(offset, 0, static_cast<int>(preedit_.text.size()));
  const QTextLine line = layout->lineForTextPosition(pos);
  if (!line.isValid()) return {};
  const QPointF top = blockBoundingGeometry(block).translated(contentOffset()).topLeft();
  const qreal x = line.cursorToX(pos);
  const QPoint origin = viewport()->geometry().topLeft();
  return QRect(static_cast<int>(top.x() + x) + origin.x(), static_cast<int>(top.y() + line.y()) + origin.y(), 1,
               static_cast<int>(line.height()));
}

bool DocumentEdit::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::LayoutRequest:
      // The candidate list asks for one each time it comes, goes or changes
      // its page, and Qt's answer repaints both scroll bars: a request that
      // could change nothing is let go.
      if (laid_out_known_ && ScrollLayoutOf(*this, viewportMargins()) == laid_out_) return QFrame::event(event);
      [[fallthrough]];
    case QEvent::Resize:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
    case QEvent::ApplicationLayoutDirectionChange: {
      // Qt lays the scroll bars and the viewport out in answer to these.
      return LayOut([&] { return QPlainTextEdit::event(event); });
    }
    default:
      return QPlainTextEdit::event(event);
  }
}

QVariant DocumentEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
  // The desktop's input method never composes here: the program's own does.
  if (query == Qt::ImEnabled) return false;
  return QPlainTextEdit::inputMethodQuery(query);
}

// Keys reach the program before any widget; one that gets here anyway (no
// program listening) types nothing.
void DocumentEdit::keyPressEvent(QKeyEvent* event) { event->ignore(); }

void DocumentEdit::keyReleaseEvent(QKeyEvent* event) { event->ignore(); }

void DocumentEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (own_preedit_) {
    QPlainTextEdit::inputMethodEvent(event);
  } else {
    event->ignore();
  }
}

void DocumentEdit::mousePressEvent(QMouseEvent* event) {
  // The middle button would paste the X selection.
  if (event->button() == Qt::MiddleButton) {
    event->accept();
    return;
  }
  QPlainTextEdit::mousePressEvent(event);
  // A click drops the widget's preedit; the composition is shown again where
  // the caret now is.
  if (textCursor().block().layout()->preeditAreaText().isEmpty()) preedit_ = {};
}

void DocumentEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::MiddleButton) QPlainTextEdit::mouseReleaseEvent(event);
  if (!on_mouse_up_) return;
  const Qt::MouseButton b = event->button();
  on_mouse_up_(b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 0);
}

void DocumentEdit::contextMenuEvent(QContextMenuEvent* event) { event->accept(); }

int CaretWidthFor(int line_height) { return std::max(1, line_height / 12); }

void DocumentEdit::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  // A caret one pixel wide is lost beside text drawn large.
  if (event->type() == QEvent::FontChange) setCursorWidth(CaretWidthFor(fontMetrics().height()));
  // Enabling or a change of the read-only state turns Qt's input method back on.
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ReadOnlyChange) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
  }
}

void DocumentEdit::paintEvent(QPaintEvent* event) {
  if (!event->region().isEmpty()) {
    ++paints_;
    last_painted_ = event->region().begin()->topLeft();
  }
  QPlainTextEdit::paintEvent(event);
}

void DocumentEdit::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  if (on_resize_) on_resize_();
}

void DocumentEdit::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void DocumentEdit::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls()) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void DocumentEdit::dropEvent(QDropEvent* event) {
  const QMimeData* dropped = event->mimeData();
  if (!dropped->hasUrls() || !on_files_dropped_) {
    event->ignore();
    return;
  }
  QStringList paths;
  for (const QUrl& url : dropped->urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  event->acceptProposedAction();
  const bool copy_allowed = (event->possibleActions() & Qt::CopyAction) != 0;
  on_files_dropped_(paths, !paths.isEmpty(), copy_allowed);
}

bool DocumentEdit::canInsertFromMimeData(const QMimeData*) const { return false; }

void DocumentEdit::insertFromMimeData(const QMimeData*) {}

}  // namespace orvo::qt
