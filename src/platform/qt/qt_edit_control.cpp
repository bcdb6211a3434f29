#include "platform/qt/qt_edit_control.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

#include "platform/qt/font_map.h"
#include "platform/qt/qt_text.h"

namespace orvo::qt {

namespace {

constexpr int kNoWidgetColumns = 80;
constexpr int kNoWidgetLines = 25;
constexpr char16_t kBreak = 0x2029;  // how the widget's document reports a block end

// Characters the widget would take as a line break, or as a mark of its own,
// and what it shows in their place.
struct StandIn {
  char16_t ch;
  char16_t shown;
};
constexpr StandIn kStandIns[] = {
    {u'\r', u'\u240D'},      // a lone CR
    {u'\n', u'\u240A'},      // a lone LF
    {u'\u2028', u'\u2424'},  // line separator
    {u'\u2029', u'\u2424'},  // paragraph separator
    {u'\uFDD0', u'\uFFFD'},  // the document's frame marks
    {u'\uFDD1', u'\uFFFD'},
};

char16_t ShownAs(char16_t ch) {
  for (const StandIn& s : kStandIns) {
    if (s.ch == ch) return s.shown;
  }
  return ch;
}

WindowHandle NextHandle() {
  static std::atomic<WindowHandle> next{0x100000};
  return next.fetch_add(4);
}


// Text taken from the widget: its block ends become CR LF.
ustring FromWidget(const QString& shown) {
  ustring text;
  text.reserve(static_cast<std::size_t>(shown.size()));
  for (const QChar ch : shown) {
    if (ch.unicode() == kBreak) {
      text += u"\r\n";
    } else {
      text += ch.unicode();
    }
  }
  return text;
}

QString WidgetText(QTextDocument& document, int start, int end) {
  QTextCursor cursor(&document);
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  return cursor.selectedText();
}

int WidgetLength(const QTextDocument& document) {
  return std::max(0, document.characterCount() - 1);
}

}  // namespace

// The widget's signals and keys, for as long as the adapter lives.
class QtEditControl::Hooks : public QObject {
 public:
  explicit Hooks(QtEditControl& owner) : owner_(owner) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
      return QObject::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    if (!undo && !key->matches(QKeySequence::Redo)) return QObject::eventFilter(watched, event);
    event->accept();
    // One level of undo: a second undo redoes, and there is no redo key.
    if (undo && event->type() == QEvent::KeyPress) owner_.OnUndoKey();
    return true;
  }

 private:
  QtEditControl& owner_;
};

QtEditControl::QtEditControl(QWidget* parent)
    : edit_(new QPlainTextEdit(parent)),
      hooks_(std::make_unique<Hooks>(*this)),
      handle_(NextHandle()) {
  QPlainTextEdit& e = *edit_;
  e.setUndoRedoEnabled(false);
  e.setLineWrapMode(QPlainTextEdit::NoWrap);
  e.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  // Fixed scroll bars keep the view size the same whatever the text.
  e.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  e.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The desktop's input method never composes here: the program's own does.
  e.setAttribute(Qt::WA_InputMethodEnabled, false);
  e.setFont(ToQFont(font_));
  ShowColours();
  e.installEventFilter(hooks_.get());

  Hooks* hooks = hooks_.get();
  QObject::connect(e.document(), &QTextDocument::contentsChange, hooks,
                   [this](int pos, int removed, int added) { OnWidgetEdit(pos, removed, added); });
  QObject::connect(e.document(), &QTextDocument::contentsChanged, hooks,
                   [this] { OnWidgetSettled(); });
  QObject::connect(&e, &QPlainTextEdit::cursorPositionChanged, hooks, [this] { OnWidgetCursor(); });
  QObject::connect(&e, &QPlainTextEdit::selectionChanged, hooks, [this] { OnWidgetCursor(); });
  QObject::connect(e.verticalScrollBar(), &QScrollBar::valueChanged, hooks,
                   [this] { OnWidgetScrolled(); });
  QObject::connect(e.horizontalScrollBar(), &QScrollBar::valueChanged, hooks,
                   [this] { OnWidgetScrolled(); });
}

QtEditControl::~QtEditControl() {
  hooks_.reset();  // no signal reaches a half-destroyed adapter
  delete edit_.data();
}

int QtEditControl::ColumnWidth() const {
  return edit_ ? std::max(1, edit_->fontMetrics().horizontalAdvance(QLatin1Char('0'))) : 1;
}

int QtEditControl::ViewColumns() const {
  if (!edit_) return kNoWidgetColumns;
  const int margin = static_cast<int>(edit_->document()->documentMargin());
  return std::max(1, (edit_->viewport()->width() - 2 * margin) / ColumnWidth());
}

int QtEditControl::ViewLines() const {
  if (!edit_) return kNoWidgetLines;
  const int margin = static_cast<int>(edit_->document()->documentMargin());
  return std::max(1, (edit_->viewport()->height() - 2 * margin) /
                         std::max(1, edit_->fontMetrics().lineSpacing()));
}

void QtEditControl::SetViewSize(int columns, int lines) {
  if (!edit_) return;
  QPlainTextEdit& e = *edit_;
  // A hidden widget lays out its viewport only when told of its size.
  const auto lay_out = [&e](QSize old_size) {
    if (e.isVisible()) return;
    QResizeEvent resized(e.size(), old_size);
    QCoreApplication::sendEvent(&e, &resized);
  };
  lay_out(e.size());
  const int margin = static_cast<int>(e.document()->documentMargin());
  const QSize chrome = e.size() - e.viewport()->size();
  const QSize view(std::max(1, columns) * ColumnWidth() + 2 * margin,
                   std::max(1, lines) * std::max(1, e.fontMetrics().lineSpacing()) + 2 * margin);
  const QSize old_size = e.size();
  e.resize(view + chrome);
  lay_out(old_size);
  ClampScroll();
  ShowScroll();
}

void QtEditControl::SetText(ustring text) {
  try {
    emu::LineTable lines;
    lines.Rebuild(text);
    lines_ = std::move(lines);
    if (text != text_) ++revision_;
    text_ = std::move(text);
  } catch (const std::bad_alloc&) {
    Notify(EditNotice::kErrSpace);
    return;
  }
  anchor_ = caret_ = 0;
  undo_ = emu::UndoBuffer();
  modified_ = false;
  first_line_ = first_column_ = 0;
  repair_pending_ = false;
  if (edit_) {
    applying_ = true;
    edit_->setPlainText(Shown(0, static_cast<int>(text_.size())));
    applying_ = false;
  }
  ShowSelection();
  ShowScroll();
}

int QtEditControl::SelStart() const { return std::min(anchor_, caret_); }

int QtEditControl::SelLength() const { return std::abs(caret_ - anchor_); }

void QtEditControl::SetSel(int start, int length) {
  const long long size = static_cast<long long>(text_.size());
  const long long s = std::clamp<long long>(start, 0, size);
  const long long e = std::clamp<long long>(s + length, s, size);
  anchor_ = Snap(static_cast<int>(s));
  caret_ = Snap(static_cast<int>(e));
  ShowSelection();
}

ustring QtEditControl::SelText() const { return text_.substr(SelStart(), SelLength()); }

void QtEditControl::ReplaceSel(ustring_view text) {
  const int start = SelStart();
  const int end = start + SelLength();
  const long long kept =
      lines_.TotalDbcs() - (lines_.DbcsOf(text_, end) - lines_.DbcsOf(text_, start));
  const long long room = static_cast<long long>(limit_) - kept;
  const bool cut = emu::TextWidth(text) > room;
  const ustring_view fitting = cut ? text.substr(0, emu::FittingPrefix(text, room)) : text;
  const int fitted = static_cast<int>(fitting.size());
  if (!Splice(start, end, fitting, UndoRule::kTyping, false)) return;
  const int after = Snap(start + fitted);
  anchor_ = caret_ = after < start + fitted ? after + 2 : after;
  ShowSelection();
  ScrollCaret();
  if (cut) Notify(EditNotice::kMaxText);
}

int QtEditControl::LineFromChar(int dbcs_pos) const {
  if (dbcs_pos < 0) return lines_.LineOf(caret_);
  return lines_.LineOfDbcs(dbcs_pos);
}

int QtEditControl::LineIndex(int line) const {
  if (line < 0) line = lines_.LineOf(caret_);
  if (line >= lines_.Count()) return -1;
  return lines_.DbcsStart(line);
}

int QtEditControl::LineLength(int dbcs_pos) const {
  if (dbcs_pos < 0) {
    const int start = SelStart();
    const int end = start + SelLength();
    const int before = lines_.DbcsOf(text_, start) - lines_.DbcsStart(lines_.LineOf(start));
    const int after = lines_.DbcsEnd(lines_.LineOf(end)) - lines_.DbcsOf(text_, end);
    return before + after;
  }
  if (dbcs_pos > lines_.TotalDbcs()) return 0;
  return lines_.DbcsLength(lines_.LineOfDbcs(dbcs_pos));
}

int QtEditControl::SelStartDbcs() const { return lines_.DbcsOf(text_, SelStart()); }

int QtEditControl::SelEndDbcs() const { return lines_.DbcsOf(text_, SelStart() + SelLength()); }

void QtEditControl::LineScroll(int columns, int lines) {
  // Room for the caret after the widest line's last character.
  const int max_column = std::max(0, lines_.WidestLine() + 1 - ViewColumns());
  const int max_line = std::max(0, lines_.Count() - ViewLines());
  first_column_ = static_cast<int>(
      std::clamp<long long>(static_cast<long long>(first_column_) + columns, 0, max_column));
  first_line_ = static_cast<int>(
      std::clamp<long long>(static_cast<long long>(first_line_) + lines, 0, max_line));
  ShowScroll();
}

void QtEditControl::ScrollCaret() {
  const int line = lines_.LineOf(caret_);
  const int column = ColumnOf(caret_);
  const int view_lines = ViewLines();
  const int view_columns = ViewColumns();
  if (line < first_line_) {
    first_line_ = line;
  } else if (line >= first_line_ + view_lines) {
    first_line_ = line - view_lines + 1;
  }
  if (column < first_column_) {
    first_column_ = column;
  } else if (column >= first_column_ + view_columns) {
    first_column_ = column - view_columns + 1;
  }
  ShowScroll();
}

void QtEditControl::Undo() {
  if (!undo_.CanUndo()) return;
  const int start = undo_.Position();
  const int restored = static_cast<int>(undo_.Deleted().size());
  if (!Splice(start, start + undo_.Inserted(), undo_.Deleted(), UndoRule::kSwap, false)) return;
  anchor_ = start;
  caret_ = start + restored;
  ShowSelection();
  ScrollCaret();
}

void QtEditControl::SetLimit(int dbcs_units) {
  limit_ = dbcs_units > 0 ? dbcs_units : std::numeric_limits<int>::max();
}

void QtEditControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!edit_) return;
  edit_->setEnabled(enabled);
  edit_->setAttribute(Qt::WA_InputMethodEnabled, false);
}

void QtEditControl::SetVisible(bool visible) {
  visible_ = visible;
  if (edit_) edit_->setVisible(visible);
}

void QtEditControl::SetBackColor(std::uint32_t colour) {
  back_colour_ = colour;
  ShowColours();
}

void QtEditControl::SetForeColor(std::uint32_t colour) {
  fore_colour_ = colour;
  ShowColours();
}

void QtEditControl::SetFont(const FontSpec& font) {
  font_ = font;
  if (!edit_) return;
  edit_->setFont(ToQFont(font_));
  ClampScroll();
  ShowScroll();
}

void QtEditControl::SetWordWrap(bool wrap) {
  word_wrap_ = wrap;
  if (!edit_) return;
  applying_ = true;
  edit_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  edit_->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
  applying_ = false;
  ShowScroll();
}

bool QtEditControl::Splice(int start, int end, ustring_view inserted, UndoRule rule, bool typed) {
  if (start == end && inserted.empty()) return true;
  // A CR before or an LF after the change may make or lose a break with it.
  const int size = static_cast<int>(text_.size());
  const int shown_start = start > 0 && text_[start - 1] == u'\r' ? start - 1 : start;
  const int shown_end = end < size && text_[end] == u'\n' ? end + 1 : end;
  const int widget_start = WidgetPos(shown_start);
  const int widget_end = WidgetPos(shown_end);
  const auto* data = text_.data();
  ustring own_copy;
  try {
    // Growing the text may move it, so a view into it is copied first.
    if (std::less_equal<const char16_t*>()(data, inserted.data()) &&
        std::less_equal<const char16_t*>()(inserted.data(), data + text_.size())) {
      own_copy.assign(inserted);
      inserted = own_copy;
    }
    const std::size_t new_size =
        text_.size() - static_cast<std::size_t>(end - start) + inserted.size();
    const ustring_view removed = ustring_view(text_).substr(start, end - start);
    const int count = static_cast<int>(inserted.size());
    emu::UndoBuffer undo = rule == UndoRule::kTyping
                               ? undo_.After(start, removed, count)
                               : emu::UndoBuffer(start, count, ustring(removed));
    emu::LineTable::Change change = lines_.Prepare(text_, start, end, inserted);
    text_.reserve(new_size);
    // Nothing below allocates: the change is all or nothing.
    text_.replace(start, end - start, inserted);
    if (start != end || !inserted.empty()) ++revision_;
    lines_.Commit(std::move(change));
    undo_ = std::move(undo);
  } catch (const std::bad_alloc&) {
    Notify(EditNotice::kErrSpace);
    return false;
  }
  modified_ = true;
  if (!typed) {
    const int delta = static_cast<int>(text_.size()) - size;
    ShowInWidget(widget_start, widget_end, Shown(shown_start, shown_end + delta));
  }
  ClampScroll();
  return true;
}

void QtEditControl::Notify(EditNotice notice) {
  // A copy, so that a sink replacing itself does not destroy the running call.
  const auto sink = sink_;
  if (sink) sink(notice);
}

void QtEditControl::OnWidgetEdit(int pos, int removed, int added) {
  if (applying_ || !edit_) return;
  QTextDocument& document = *edit_->document();
  const int old_length = static_cast<int>(text_.size()) - (lines_.Count() - 1);
  const int new_length = WidgetLength(document);
  // The document may count its own last block end in the change; the rest
  // must add up, or the whole text is compared.
  pos = std::clamp(pos, 0, std::min(old_length, new_length));
  int removed_end = std::clamp(pos + removed, pos, old_length);
  int added_end = std::clamp(pos + added, pos, new_length);
  if (old_length - (removed_end - pos) + (added_end - pos) != new_length) {
    pos = 0;
    removed_end = old_length;
    added_end = new_length;
  }
  const int text_start = TextPos(pos);
  const int text_end = TextPos(removed_end);
  const QString before = Shown(text_start, text_end);
  const QString after = WidgetText(document, pos, added_end);
  // Only what really changed goes into the text and the undo record.
  qsizetype same_front = 0;
  while (same_front < before.size() && same_front < after.size() &&
         before[same_front] == after[same_front]) {
    ++same_front;
  }
  qsizetype same_back = 0;
  while (same_back < before.size() - same_front && same_back < after.size() - same_front &&
         before[before.size() - 1 - same_back] == after[after.size() - 1 - same_back]) {
    ++same_back;
  }
  if (same_front == before.size() && same_front == after.size()) return;
  const int start = TextPos(pos + static_cast<int>(same_front));
  const int end = TextPos(removed_end - static_cast<int>(same_back));
  const ustring typed = FromWidget(after.mid(same_front, after.size() - same_front - same_back));

  const long long kept =
      lines_.TotalDbcs() - (lines_.DbcsOf(text_, end) - lines_.DbcsOf(text_, start));
  const long long room = static_cast<long long>(limit_) - kept;
  const bool cut = emu::TextWidth(typed) > room;
  const ustring_view fitting =
      cut ? ustring_view(typed).substr(0, emu::FittingPrefix(typed, room)) : typed;

  const int size = static_cast<int>(text_.size());
  const int shown_start = start > 0 && text_[start - 1] == u'\r' ? start - 1 : start;
  const int shown_end = end < size && text_[end] == u'\n' ? end + 1 : end;
  repair_.widget_start = WidgetPos(shown_start);
  repair_.widget_tail = old_length - WidgetPos(shown_end);
  if (Splice(start, end, fitting, UndoRule::kTyping, true)) {
    const int delta = static_cast<int>(text_.size()) - size;
    repair_.text_start = shown_start;
    repair_.text_end = shown_end + delta;
    // After typing the caret passes a pair it would split; after deleting it
    // stays before it.
    const int fitted = start + static_cast<int>(fitting.size());
    const int snapped = Snap(fitted);
    repair_.caret = snapped < fitted && !fitting.empty() ? snapped + 2 : snapped;
  } else {
    // Out of memory: the widget goes back to the text as it was.
    repair_.text_start = shown_start;
    repair_.text_end = shown_end;
    repair_.caret = start;
  }
  repair_.cut = cut;
  repair_pending_ = true;
}

void QtEditControl::OnWidgetSettled() {
  if (applying_ || !repair_pending_ || !edit_) return;
  repair_pending_ = false;
  const Repair r = repair_;
  const int widget_end = WidgetLength(*edit_->document()) - r.widget_tail;
  const QString shown = Shown(r.text_start, r.text_end);
  if (widget_end < r.widget_start ||
      WidgetText(*edit_->document(), r.widget_start, widget_end) != shown) {
    ShowInWidget(r.widget_start, std::max(r.widget_start, widget_end), shown);
    anchor_ = caret_ = r.caret;
    ShowSelection();
  } else {
    OnWidgetCursor();
  }
  if (r.cut) Notify(EditNotice::kMaxText);
}

void QtEditControl::OnWidgetCursor() {
  if (applying_ || !edit_) return;
  const QTextCursor cursor = edit_->textCursor();
  anchor_ = Snap(TextPos(cursor.anchor()));
  caret_ = Snap(TextPos(cursor.position()));
}

void QtEditControl::OnWidgetScrolled() {
  if (applying_ || !edit_) return;
  const int top = edit_->verticalScrollBar()->value();
  first_line_ =
      word_wrap_ ? std::max(0, edit_->document()->findBlockByLineNumber(top).blockNumber()) : top;
  if (!word_wrap_) first_column_ = edit_->horizontalScrollBar()->value() / ColumnWidth();
}

void QtEditControl::OnUndoKey() {
  if (enabled_) Undo();
}

int QtEditControl::Snap(int pos) const {
  const int size = static_cast<int>(text_.size());
  pos = std::clamp(pos, 0, size);
  if (pos > 0 && pos < size && emu::SplitsPair(text_[pos - 1], text_[pos])) --pos;
  return pos;
}

int QtEditControl::WidgetPos(int pos) const { return pos - lines_.LineOf(pos); }

int QtEditControl::TextPos(int widget_pos) const {
  // Line n starts n characters later in the text than in the widget (its CR LF
  // pairs are one block end each there): the last line starting at or before.
  int low = 0;
  int high = lines_.Count() - 1;
  while (low < high) {
    const int mid = (low + high + 1) / 2;
    if (lines_.Start(mid) - mid <= widget_pos) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  return std::clamp(widget_pos + low, 0, static_cast<int>(text_.size()));
}

QString QtEditControl::Shown(int start, int end) const {
  QString shown;
  shown.reserve(end - start);
  for (int i = start; i < end; ++i) {
    if (text_[i] == u'\r' && i + 1 < static_cast<int>(text_.size()) && text_[i + 1] == u'\n') {
      shown += QChar(kBreak);
      ++i;
    } else {
      shown += QChar(ShownAs(text_[i]));
    }
  }
  return shown;
}

void QtEditControl::ShowInWidget(int widget_start, int widget_end, const QString& shown) {
  if (!edit_) return;
  applying_ = true;
  QTextCursor cursor(edit_->document());
  cursor.setPosition(widget_start);
  cursor.setPosition(widget_end, QTextCursor::KeepAnchor);
  if (shown.isEmpty()) {
    cursor.removeSelectedText();
  } else {
    cursor.insertText(shown);
  }
  applying_ = false;
}

void QtEditControl::ShowSelection() {
  if (!edit_) return;
  applying_ = true;
  QTextCursor cursor = edit_->textCursor();
  cursor.setPosition(WidgetPos(anchor_));
  cursor.setPosition(WidgetPos(caret_), QTextCursor::KeepAnchor);
  edit_->setTextCursor(cursor);
  applying_ = false;
  ShowScroll();  // the widget scrolls to its cursor; the control does not
}

void QtEditControl::ShowScroll() {
  if (!edit_) return;
  applying_ = true;
  int top = first_line_;
  if (word_wrap_) {
    const QTextBlock block = edit_->document()->findBlockByNumber(first_line_);
    top = block.isValid() ? std::max(0, block.firstLineNumber()) : 0;
  }
  edit_->verticalScrollBar()->setValue(top);
  if (!word_wrap_) edit_->horizontalScrollBar()->setValue(first_column_ * ColumnWidth());
  applying_ = false;
}

void QtEditControl::ShowColours() {
  if (!edit_) return;
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Base, ToQColor(back_colour_));
  palette.setColor(QPalette::Text, ToQColor(fore_colour_));
  edit_->setPalette(palette);
}

int QtEditControl::ColumnOf(int pos) const {
  return lines_.DbcsOf(text_, pos) - lines_.DbcsStart(lines_.LineOf(pos));
}

void QtEditControl::ClampScroll() {
  first_line_ = std::min(first_line_, std::max(0, lines_.Count() - ViewLines()));
  first_column_ = std::min(first_column_, std::max(0, lines_.WidestLine() + 1 - ViewColumns()));
}

}  // namespace orvo::qt
