// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/edit_mirror.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

#include "frontends/qt/font_map.h"
#include "frontends/qt/qt_text.h"

namespace orvo::qt {
namespace {

constexpr int kNoWidgetColumns = 80;
constexpr int kNoWidgetLines = 25;
constexpr char16_t kBreak = 0x2029;  // a block end, as the widget's document reports it

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

bool SameFont(const FontSpec& a, const FontSpec& b) {
  return a.name == b.name && a.points == b.points && a.bold == b.bold;
}

int WidgetLength(const QTextDocument& document) { return std::max(0, document.characterCount() - 1); }

QString WidgetText(QTextDocument& document, int start, int end) {
  QTextCursor cursor(&document);
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  return cursor.selectedText();
}

// Changes the widget as its owner, not as a person.
class Applying {
 public:
  explicit Applying(DocumentEdit& widget) : widget_(widget), was_(widget.Applying()) { widget.SetApplying(true); }
  ~Applying() { widget_.SetApplying(was_); }
  Applying(const Applying&) = delete;
  Applying& operator=(const Applying&) = delete;

 private:
  DocumentEdit& widget_;
  bool was_;
};

}  // namespace

EditMirror::EditMirror(DocumentEdit& widget) : widget_(&widget), hooks_(std::make_unique<QObject>()) {
  widget.setLineWrapMode(QPlainTextEdit::NoWrap);
  widget.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  // Fixed scroll bars keep the view size the same whatever the text.
  widget.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  widget.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  widget.SetOnResize([this] { TellViewSize(); });

  QObject* hooks = hooks_.get();
  QObject::connect(widget.document(), &QTextDocument::contentsChange, hooks, [this] {
    if (!widget_ || widget_->Applying() || check_pending_) return;
    // Looked at once the widget has finished whatever it is doing.
    check_pending_ = true;
    QMetaObject::invokeMethod(hooks_.get(), [this] { OnWidgetChanged(); }, Qt::QueuedConnection);
  });
  QObject::connect(&widget, &QPlainTextEdit::cursorPositionChanged, hooks, [this] { OnWidgetCursor(); });
  QObject::connect(&widget, &QPlainTextEdit::selectionChanged, hooks, [this] { OnWidgetCursor(); });
  QObject::connect(widget.verticalScrollBar(), &QScrollBar::valueChanged, hooks, [this] { OnWidgetScrolled(); });
  QObject::connect(widget.horizontalScrollBar(), &QScrollBar::valueChanged, hooks, [this] { OnWidgetScrolled(); });
}

EditMirror::~EditMirror() {
  hooks_.reset();  // no signal reaches a half-destroyed mirror
  if (widget_) widget_->SetOnResize(nullptr);
  if (model_ != nullptr && model_->Observer() == this) model_->SetObserver(nullptr);
}

void EditMirror::Attach(emu::EditControlModel* model) {
  if (model == model_) return;
  if (model_ != nullptr && model_->Observer() == this) model_->SetObserver(nullptr);
  model_ = model;
  if (model_ != nullptr) model_->SetObserver(this);
  looks_shown_ = false;
  ShowAll();
  TellViewSize();
  Sync();
}

void EditMirror::Sync() {
  if (!widget_ || model_ == nullptr) return;
  ShowLooks();
  ShowSelection();
  ShowScroll();
  KeepCaretLineShapes();
}

// Qt shapes a line's text afresh for each caret position asked of it and each
// paint (four to ten times a key) unless the line's layout keeps the shapes:
// the line typed into keeps them, and gives them up once the caret leaves it.
void EditMirror::KeepCaretLineShapes() {
  const QTextBlock block = widget_->textCursor().block();
  if (block.blockNumber() == shapes_kept_block_) return;
  if (shapes_kept_block_ >= 0) {
    const QTextBlock left = widget_->document()->findBlockByNumber(shapes_kept_block_);
    if (left.isValid() && left.layout() != nullptr) left.layout()->setCacheEnabled(false);
  }
  shapes_kept_block_ = -1;
  if (!block.isValid() || block.layout() == nullptr) return;
  block.layout()->setCacheEnabled(true);
  shapes_kept_block_ = block.blockNumber();
}

void EditMirror::ShowComposition(const Preedit& preedit) {
  if (!widget_ || model_ == nullptr) return;
  if (preedit == widget_->ShownPreedit()) return;
  if (!preedit.text.empty()) {
    // The composition stands at the caret; the widget would delete a selection
    // it was put over.
    Applying applying(*widget_);
    QTextCursor cursor = widget_->textCursor();
    const int at = WidgetPos(model_->Caret());
    if (cursor.anchor() != at || cursor.position() != at) {
      cursor.setPosition(at);
      widget_->setTextCursor(cursor);
    }
    shown_anchor_ = shown_caret_ = at;
  }
  widget_->ShowPreedit(preedit);
}

int EditMirror::ColumnWidth() const {
  return widget_ ? std::max(1, widget_->fontMetrics().horizontalAdvance(QLatin1Char('0'))) : 1;
}

int EditMirror::ViewColumns() const {
  if (!widget_) return kNoWidgetColumns;
  const int margin = static_cast<int>(widget_->document()->documentMargin());
  return std::max(1, (widget_->viewport()->width() - 2 * margin) / ColumnWidth());
}

int EditMirror::ViewLines() const {
  if (!widget_) return kNoWidgetLines;
  const int margin = static_cast<int>(widget_->document()->documentMargin());
  return std::max(1, (widget_->viewport()->height() - 2 * margin) / std::max(1, widget_->fontMetrics().lineSpacing()));
}

void EditMirror::SetViewSize(int columns, int lines) {
  if (!widget_) return;
  DocumentEdit& e = *widget_;
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
  TellViewSize();
}

void EditMirror::TellViewSize() {
  if (widget_ && model_ != nullptr) model_->SetViewSize(ViewColumns(), ViewLines());
}

int EditMirror::WidgetPos(int pos) const {
  if (model_ == nullptr) return 0;
  return pos - model_->Lines().LineOf(pos);
}

int EditMirror::TextPos(int widget_pos) const {
  if (model_ == nullptr) return 0;
  // Line n starts n characters later in the text than in the widget (its CR LF
  // pairs are one block end each there): the last line starting at or before.
  const emu::LineTable& lines = model_->Lines();
  int low = 0;
  int high = lines.Count() - 1;
  while (low < high) {
    const int mid = (low + high + 1) / 2;
    if (lines.Start(mid) - mid <= widget_pos) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  return std::clamp(widget_pos + low, 0, static_cast<int>(model_->Text().size()));
}

QString EditMirror::Shown(int start, int end) const {
  const ustring& text = model_->Text();
  QString shown;
  shown.reserve(end - start);
  for (int i = start; i < end; ++i) {
    if (text[i] == u'\r' && i + 1 < static_cast<int>(text.size()) && text[i + 1] == u'\n') {
      shown += QChar(kBreak);
      ++i;
    } else {
      shown += QChar(ShownAs(text[i]));
    }
  }
  return shown;
}

// The widget's own length tells where the removed part ended there.
void EditMirror::TextReplaced(int start, int /*removed*/, int inserted) {
  if (!widget_ || model_ == nullptr) return;
  widget_->ShowPreedit({});  // it stood at a place that moves now; shown again by the next composition
  const ustring& text = model_->Text();
  const int size = static_cast<int>(text.size());
  // A CR before or an LF after the change may make or lose a break with it.
  const int shown_start = start > 0 && text[start - 1] == u'\r' ? start - 1 : start;
  int shown_end = start + inserted;
  if (shown_end < size && text[shown_end] == u'\n') ++shown_end;
  const int widget_start = WidgetPos(shown_start);
  // What follows the change is the same in both, and ends both.
  const int tail = WidgetPos(size) - WidgetPos(shown_end);
  const int widget_end = WidgetLength(*widget_->document()) - tail;
  if (widget_end < widget_start) {
    ShowAll();
    return;
  }
  Applying applying(*widget_);
  QTextCursor cursor(widget_->document());
  cursor.setPosition(widget_start);
  cursor.setPosition(widget_end, QTextCursor::KeepAnchor);
  const QString shown = Shown(shown_start, shown_end);
  if (shown.isEmpty()) {
    cursor.removeSelectedText();
  } else {
    cursor.insertText(shown);
  }
  const QTextCursor now = widget_->textCursor();
  shown_anchor_ = now.anchor();
  shown_caret_ = now.position();
}

void EditMirror::TextReset() { ShowAll(); }

void EditMirror::ShowAll() {
  if (!widget_) return;
  widget_->ShowPreedit({});
  Applying applying(*widget_);
  widget_->setPlainText(model_ != nullptr ? Shown(0, static_cast<int>(model_->Text().size())) : QString());
  shown_anchor_ = shown_caret_ = -1;
  shapes_kept_block_ = -1;  // the blocks are new
  Sync();
}

void EditMirror::ShowLooks() {
  DocumentEdit& e = *widget_;
  const emu::EditControlModel& m = *model_;
  Applying applying(e);
  if (!looks_shown_ || m.BackColor() != back_colour_ || m.ForeColor() != fore_colour_) {
    back_colour_ = m.BackColor();
    fore_colour_ = m.ForeColor();
    QPalette palette = e.palette();
    palette.setColor(QPalette::Base, ToQColor(back_colour_));
    palette.setColor(QPalette::Text, ToQColor(fore_colour_));
    e.setPalette(palette);
  }
  if (!looks_shown_ || !SameFont(m.Font(), font_)) {
    font_ = m.Font();
    e.setFont(ToQFont(font_));
    TellViewSize();
  }
  if (!looks_shown_ || m.WordWrap() != wrap_) {
    wrap_ = m.WordWrap();
    e.setLineWrapMode(wrap_ ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    e.setHorizontalScrollBarPolicy(wrap_ || single_line_ ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
  }
  if (!looks_shown_ || m.Enabled() != enabled_) {
    enabled_ = m.Enabled();
    e.setEnabled(enabled_);
  }
  if (!looks_shown_ || m.Visible() != visible_) {
    visible_ = m.Visible();
    if (e.parentWidget() != nullptr) e.setVisible(visible_);  // a top-level widget is shown by its owner
  }
  looks_shown_ = true;
}

void EditMirror::ShowSelection() {
  // While composing, the selection gives way to the composition at the caret.
  const bool composing = !widget_->ShownPreedit().text.empty();
  const int anchor = WidgetPos(composing ? model_->Caret() : model_->Anchor());
  const int caret = WidgetPos(model_->Caret());
  shown_anchor_ = anchor;
  shown_caret_ = caret;
  const QTextCursor now = widget_->textCursor();
  if (now.anchor() == anchor && now.position() == caret) return;
  Applying applying(*widget_);
  QTextCursor cursor(widget_->document());
  cursor.setPosition(anchor);
  cursor.setPosition(caret, QTextCursor::KeepAnchor);
  widget_->setTextCursor(cursor);
}

void EditMirror::ShowScroll() {
  DocumentEdit& e = *widget_;
  int top = model_->FirstVisibleLine();
  if (wrap_) {
    const QTextBlock block = e.document()->findBlockByNumber(top);
    top = block.isValid() ? std::max(0, block.firstLineNumber()) : 0;
  }
  const int left = wrap_ ? 0 : model_->FirstVisibleColumn() * ColumnWidth();
  // The widget scrolls a composition's caret into view by itself, further
  // than the model, which does not hold the composition, would: that stands
  // until the composition ends, or each key would scroll (and repaint the
  // whole view) there and back.
  const bool composing = !e.ShownPreedit().text.empty();
  const auto keep = [composing](const QScrollBar& bar, int model_value) {
    return bar.value() == model_value || (composing && bar.value() > model_value);
  };
  Applying applying(e);
  if (!keep(*e.verticalScrollBar(), top)) e.verticalScrollBar()->setValue(top);
  if (!keep(*e.horizontalScrollBar(), left)) e.horizontalScrollBar()->setValue(left);
}

void EditMirror::OnWidgetCursor() {
  if (!widget_ || widget_->Applying() || model_ == nullptr) return;
  const QTextCursor cursor = widget_->textCursor();
  if (cursor.anchor() == shown_anchor_ && cursor.position() == shown_caret_) return;
  shown_anchor_ = cursor.anchor();
  shown_caret_ = cursor.position();
  model_->Select(TextPos(cursor.anchor()), TextPos(cursor.position()));
}

void EditMirror::OnWidgetScrolled() {
  if (!widget_ || widget_->Applying() || model_ == nullptr) return;
  const int top = widget_->verticalScrollBar()->value();
  const int line = wrap_ ? std::max(0, widget_->document()->findBlockByLineNumber(top).blockNumber()) : top;
  const int column = wrap_ ? model_->FirstVisibleColumn() : widget_->horizontalScrollBar()->value() / ColumnWidth();
  model_->LineScroll(column - model_->FirstVisibleColumn(), line - model_->FirstVisibleLine());
}

void EditMirror::OnWidgetChanged() {
  check_pending_ = false;
  if (!widget_ || model_ == nullptr) return;
  // Something other than the model changed the widget's text: the model's text
  // stands.
  if (WidgetLength(*widget_->document()) != WidgetPos(static_cast<int>(model_->Text().size())) ||
      WidgetText(*widget_->document(), 0, WidgetLength(*widget_->document())) !=
          Shown(0, static_cast<int>(model_->Text().size()))) {
    ShowAll();
  }
}

void EditMirror::SetSingleLine(bool single) {
  single_line_ = single;
  if (!widget_) return;
  const Qt::ScrollBarPolicy policy = single ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn;
  widget_->setVerticalScrollBarPolicy(policy);
  if (!wrap_) widget_->setHorizontalScrollBarPolicy(policy);
}

}  // namespace orvo::qt
