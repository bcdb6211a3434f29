#include "platform/qt/text_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/emulated/text_box.h"
#include "platform/qt/font_map.h"
#include "platform/qt/qt_text.h"

namespace orvo::qt {
namespace {

constexpr int kMargin = 2;
constexpr int kMaxCandidates = 9;

// One visual row: all of a view line, or a part of it after wrapping.
struct Row {
  std::vector<TextRun> runs;
  int caret = -1;
  int length = 0;
};

void Append(Row& row, char16_t ch, RunStyle style) {
  if (row.runs.empty() || row.runs.back().style != style) row.runs.push_back({{}, style});
  row.runs.back().text.push_back(ch);
  ++row.length;
}

// Cuts a view line into rows no wider than `width` (no cut when width <= 0).
std::vector<Row> Wrap(const ViewLine& line, const QFontMetrics& fm, int width) {
  std::vector<Row> rows(1);
  int x = 0;
  int offset = 0;
  for (const TextRun& run : line.runs) {
    for (char16_t ch : run.text) {
      const int w = fm.horizontalAdvance(QChar(ch));
      if (width > 0 && x + w > width && x > 0) {
        rows.emplace_back();
        x = 0;
      }
      if (line.caret == offset) rows.back().caret = rows.back().length;
      Append(rows.back(), ch, run.style);
      x += w;
      ++offset;
    }
  }
  if (line.caret == offset) rows.back().caret = rows.back().length;
  return rows;
}

// A row of the document as drawn without a composition: where it starts in
// the text, its characters, and its top in the view.
struct TextRow {
  int start = 0;
  ustring text;
  int y = 0;
};

std::vector<TextRow> DocumentRows(const emu::TextBox& box, const QFontMetrics& fm, int width) {
  const std::vector<ViewLine> lines = LayOutText(box.Text(), 0, 0, Preedit{});
  const int line_height = std::max(1, fm.lineSpacing());
  std::vector<TextRow> rows;
  int start = 0;
  int top = 0;  // of the first visible line, counted from the text's first row
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (static_cast<int>(i) == box.FirstVisibleLine()) top = static_cast<int>(rows.size()) * line_height;
    for (const Row& row : Wrap(lines[i], fm, box.WordWrap() ? width : 0)) {
      TextRow& shown = rows.emplace_back();
      shown.start = start;
      shown.y = static_cast<int>(rows.size() - 1) * line_height;
      for (const TextRun& run : row.runs) shown.text += run.text;
      start += row.length;
    }
    start += 2;  // the CR LF
  }
  for (TextRow& row : rows) row.y += kMargin - top;
  return rows;
}

}  // namespace

Preedit PreeditOf(const emu::TextBox& box) {
  const emu::ImeEmulator& ime = box.Ime();
  Preedit p;
  if (!ime.Composing()) return p;
  p.text = ime.CompositionString();
  p.caret = ime.CaretInComposition();
  if (ime.Converting()) {
    for (const auto& clause : ime.Clauses()) p.clause_lengths.push_back(static_cast<int>(clause.text.size()));
    p.focused = ime.FocusedClause();
  }
  return p;
}

TextView::TextView(QWidget* parent) : QWidget(parent) {
  InstallTextViewAccessibility();  // before anything asks for the view's interface
  // The desktop's input method stays out: keys reach the program raw.
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::IBeamCursor);
  setAccessibleName(QStringLiteral("本文"));
  setAccessibleDescription(QStringLiteral("文書のテキスト"));
}

void TextView::Show(emu::TextBox* box) {
  box_ = box;
  TellViewSize();
  update();
  static const ustring kNoText;
  echo_.Tell(this, box_ ? box_->Text() : kNoText, box_ ? box_->Anchor() : 0, box_ ? box_->Caret() : 0);
}

QRect TextView::CharacterRect(int pos) const {
  if (box_ == nullptr) return {};
  const QFontMetrics fm(ToQFont(box_->Font()));
  const int shift = box_->WordWrap() ? 0 : box_->FirstVisibleColumn() * fm.horizontalAdvance(QLatin1Char('0'));
  const std::vector<TextRow> rows = DocumentRows(*box_, fm, width() - 2 * kMargin);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TextRow& row = rows[i];
    const int end = row.start + static_cast<int>(row.text.size());
    // A row's end belongs to it when the next row starts a new line.
    const bool last_of_line = i + 1 == rows.size() || rows[i + 1].start > end;
    if (pos < row.start || pos > end || (pos == end && !last_of_line)) continue;
    const QString shown = ToQ(row.text);
    const int offset = pos - row.start;
    const int x = kMargin - shift + fm.horizontalAdvance(shown.left(offset));
    const int w = offset < shown.size() ? fm.horizontalAdvance(shown.mid(offset, 1)) : fm.horizontalAdvance(QLatin1Char('0'));
    return QRect(x, row.y, w, std::max(1, fm.lineSpacing()));
  }
  return {};
}

int TextView::PositionAt(const QPoint& point) const {
  if (box_ == nullptr) return -1;
  const QFontMetrics fm(ToQFont(box_->Font()));
  const int line_height = std::max(1, fm.lineSpacing());
  const int shift = box_->WordWrap() ? 0 : box_->FirstVisibleColumn() * fm.horizontalAdvance(QLatin1Char('0'));
  for (const TextRow& row : DocumentRows(*box_, fm, width() - 2 * kMargin)) {
    if (point.y() < row.y || point.y() >= row.y + line_height) continue;
    int x = kMargin - shift;
    for (std::size_t k = 0; k < row.text.size(); ++k) {
      x += fm.horizontalAdvance(QChar(row.text[k]));
      if (point.x() < x) return row.start + static_cast<int>(k);
    }
    return -1;
  }
  return -1;
}

void TextView::resizeEvent(QResizeEvent*) { TellViewSize(); }

void TextView::TellViewSize() {
  if (box_ == nullptr) return;
  const QFontMetrics fm(ToQFont(box_->Font()));
  const int column = std::max(1, fm.horizontalAdvance(QLatin1Char('0')));
  box_->SetViewSize(std::max(1, (width() - 2 * kMargin) / column),
                    std::max(1, (height() - 2 * kMargin) / std::max(1, fm.lineSpacing())));
}

void TextView::mouseReleaseEvent(QMouseEvent* event) {
  if (!on_mouse_up_) return;
  const Qt::MouseButton b = event->button();
  on_mouse_up_(b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 0);
}

void TextView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (box_ == nullptr || !box_->Visible()) {
    painter.fillRect(rect(), palette().window());
    return;
  }
  const QColor back = ToQColor(box_->BackColor());
  const QColor fore = ToQColor(box_->ForeColor());
  painter.fillRect(rect(), back);
  painter.setPen(palette().mid().color());
  painter.drawRect(rect().adjusted(0, 0, -1, -1));

  const QFont font = ToQFont(box_->Font());
  painter.setFont(font);
  const QFontMetrics fm(font);
  const int line_height = std::max(1, fm.lineSpacing());
  const bool wrap = box_->WordWrap();
  const int shift = wrap ? 0 : box_->FirstVisibleColumn() * fm.horizontalAdvance(QLatin1Char('0'));
  const int text_width = width() - 2 * kMargin;

  const Preedit preedit = PreeditOf(*box_);
  const std::vector<ViewLine> lines = LayOutText(box_->Text(), box_->Anchor(), box_->Caret(), preedit);
  painter.setClipRect(rect().adjusted(1, 1, -1, -1));

  QPoint caret_at(-1, -1);
  QPoint focus_at(-1, -1);
  int y = kMargin;
  for (std::size_t i = static_cast<std::size_t>(std::max(0, box_->FirstVisibleLine()));
       i < lines.size() && y < height(); ++i) {
    for (const Row& row : Wrap(lines[i], fm, wrap ? text_width : 0)) {
      int x = kMargin - shift;
      int offset = 0;
      for (const TextRun& run : row.runs) {
        const QString s = ToQ(run.text);
        const int w = fm.horizontalAdvance(s);
        QColor pen = fore;
        if (run.style == RunStyle::kSelected || run.style == RunStyle::kFocusedClause) {
          painter.fillRect(x, y, w, line_height, run.style == RunStyle::kSelected ? palette().highlight().color() : fore);
          pen = run.style == RunStyle::kSelected ? palette().highlightedText().color() : back;
          if (run.style == RunStyle::kFocusedClause && focus_at.x() < 0) focus_at = {x, y + line_height};
        }
        painter.setPen(pen);
        painter.drawText(x, y + fm.ascent(), s);
        if (run.style == RunStyle::kComposing || run.style == RunStyle::kClause ||
            run.style == RunStyle::kFocusedClause) {
          // Each clause is underlined on its own, so the clause borders show.
          QPen underline(fore, run.style == RunStyle::kFocusedClause ? 2 : 1,
                         run.style == RunStyle::kComposing ? Qt::DotLine : Qt::SolidLine);
          painter.setPen(underline);
          const int uy = y + line_height - 1;
          painter.drawLine(x + 1, uy, x + w - 2, uy);
        }
        if (row.caret >= offset && row.caret <= offset + static_cast<int>(run.text.size()) && caret_at.x() < 0) {
          caret_at = {x + fm.horizontalAdvance(s.left(row.caret - offset)), y};
        }
        offset += static_cast<int>(run.text.size());
        x += w;
      }
      if (row.caret >= 0 && caret_at.x() < 0) caret_at = {x, y};
      y += line_height;
    }
  }
  if (caret_at.x() >= 0 && box_->Enabled()) {
    painter.fillRect(caret_at.x(), caret_at.y(), 2, line_height, fore);
  }

  // The candidates of the focused clause, in a list under it.
  const emu::ImeEmulator& ime = box_->Ime();
  if (!ime.Converting() || focus_at.x() < 0) return;
  const auto clauses = ime.Clauses();
  const int focused = ime.FocusedClause();
  if (focused < 0 || focused >= static_cast<int>(clauses.size())) return;
  const auto& clause = clauses[static_cast<std::size_t>(focused)];
  const int total = static_cast<int>(clause.candidates.size());
  const int first = std::max(0, clause.selected) / kMaxCandidates * kMaxCandidates;  // the page of the choice
  const int count = std::min(total - first, kMaxCandidates);
  if (count <= 0) return;
  int box_width = 0;
  for (int k = 0; k < count; ++k) {
    box_width = std::max(box_width, fm.horizontalAdvance(QString::number(k + 1) + QLatin1Char(' ') +
                                                         ToQ(clause.candidates[static_cast<std::size_t>(first + k)])));
  }
  box_width += 8;
  const QRect list(std::min(focus_at.x(), std::max(0, width() - box_width - 2)), focus_at.y() + 2, box_width,
                   count * line_height + 4);
  painter.setClipping(false);
  painter.fillRect(list, palette().base());
  painter.setPen(palette().text().color());
  painter.drawRect(list.adjusted(0, 0, -1, -1));
  for (int k = 0; k < count; ++k) {
    const QRect item(list.left() + 1, list.top() + 2 + k * line_height, list.width() - 2, line_height);
    const bool chosen = first + k == clause.selected;
    if (chosen) painter.fillRect(item, palette().highlight());
    painter.setPen(chosen ? palette().highlightedText().color() : palette().text().color());
    painter.drawText(item.adjusted(3, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     QString::number(k + 1) + QLatin1Char(' ') +
                         ToQ(clause.candidates[static_cast<std::size_t>(first + k)]));
  }
}

}  // namespace orvo::qt
