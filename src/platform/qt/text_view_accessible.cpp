#include "platform/qt/text_view_accessible.h"

#include <QAccessible>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/emulated/text_box.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/text_view.h"

namespace orvo::qt {

namespace {

bool PairAt(ustring_view text, std::size_t i) {
  return i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n';
}

bool IsHighSurrogate(char16_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }
bool IsLowSurrogate(char16_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }

QAccessibleInterface* MakeInterface(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String(TextView::staticMetaObject.className())) return nullptr;
  auto* view = qobject_cast<TextView*>(object);
  return view == nullptr ? nullptr : new TextViewAccessible(view);
}

ReaderListener g_listener = nullptr;

bool Listened() { return g_listener != nullptr || QAccessible::isActive(); }

void Post(QAccessibleEvent&& event) {
  if (g_listener != nullptr) g_listener(&event);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

ustring ReaderText(ustring_view text) {
  ustring reader;
  reader.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (PairAt(text, i)) ++i;  // the LF stays
    reader += text[i];
  }
  return reader;
}

int ReaderOffset(ustring_view text, int pos) {
  pos = std::clamp(pos, 0, static_cast<int>(text.size()));
  int offset = pos;
  for (int i = 0; i + 1 < pos; ++i) {
    if (PairAt(text, static_cast<std::size_t>(i))) --offset;
  }
  return offset;
}

int TextPosition(ustring_view text, int offset) {
  int pos = 0;
  for (int left = std::max(0, offset); left > 0 && pos < static_cast<int>(text.size()); --left) {
    pos += PairAt(text, static_cast<std::size_t>(pos)) ? 2 : 1;
  }
  return pos;
}

ReaderListener SetReaderListener(ReaderListener listener) {
  return std::exchange(g_listener, listener);
}

void InstallTextViewAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(MakeInterface);
    return true;
  }();
  (void)installed;
}

TextViewAccessible::TextViewAccessible(TextView* view)
    : QAccessibleWidget(view, QAccessible::EditableText) {}

TextView& TextViewAccessible::View() const { return *static_cast<TextView*>(widget()); }

const ustring& TextViewAccessible::Text() const {
  static const ustring kNoText;
  const emu::TextBox* box = View().Box();
  return box == nullptr ? kNoText : box->Text();
}

void* TextViewAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TextViewAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.editable = true;
  state.multiLine = true;
  state.selectableText = true;
  state.focusable = true;
  if (const emu::TextBox* box = View().Box()) {
    state.disabled = state.disabled || !box->Enabled();
    state.invisible = state.invisible || !box->Visible();
  } else {
    state.readOnly = true;
  }
  return state;
}

QString TextViewAccessible::text(QAccessible::Text type) const {
  if (type == QAccessible::Value) return ToQ(ReaderText(Text()));
  return QAccessibleWidget::text(type);
}

void TextViewAccessible::selection(int selection_index, int* start_offset, int* end_offset) const {
  *start_offset = *end_offset = 0;
  const emu::TextBox* box = View().Box();
  if (selection_index != 0 || box == nullptr || box->SelLength() == 0) return;
  *start_offset = ReaderOffset(box->Text(), box->SelStart());
  *end_offset = ReaderOffset(box->Text(), box->SelStart() + box->SelLength());
}

int TextViewAccessible::selectionCount() const {
  const emu::TextBox* box = View().Box();
  return box != nullptr && box->SelLength() > 0 ? 1 : 0;
}

void TextViewAccessible::addSelection(int start_offset, int end_offset) {
  setSelection(0, start_offset, end_offset);
}

void TextViewAccessible::removeSelection(int selection_index) {
  if (selection_index != 0) return;
  const int caret = cursorPosition();
  Select(caret, caret);
}

void TextViewAccessible::setSelection(int selection_index, int start_offset, int end_offset) {
  if (selection_index == 0) Select(start_offset, end_offset);
}

int TextViewAccessible::cursorPosition() const {
  const emu::TextBox* box = View().Box();
  return box == nullptr ? 0 : ReaderOffset(box->Text(), box->Caret());
}

void TextViewAccessible::setCursorPosition(int position) { Select(position, position); }

QString TextViewAccessible::text(int start_offset, int end_offset) const {
  const ustring reader = ReaderText(Text());
  const int size = static_cast<int>(reader.size());
  const int start = std::clamp(start_offset, 0, size);
  const int end = std::clamp(end_offset, start, size);
  return ToQ(ustring_view(reader).substr(start, end - start));
}

void TextViewAccessible::LineAt(int offset, int* start_offset, int* end_offset) const {
  const ustring& text = Text();
  const std::size_t pos = static_cast<std::size_t>(TextPosition(text, offset));
  const std::size_t before = pos == 0 ? ustring::npos : text.rfind(u"\r\n", pos - 1);
  const std::size_t start = before == ustring::npos ? 0 : before + 2;
  const std::size_t after = text.find(u"\r\n", pos);
  const std::size_t end = after == ustring::npos ? text.size() : after + 2;
  *start_offset = ReaderOffset(text, static_cast<int>(start));
  *end_offset = ReaderOffset(text, static_cast<int>(end));
}

QString TextViewAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                         int* start_offset, int* end_offset) const {
  if (boundary != QAccessible::LineBoundary && boundary != QAccessible::ParagraphBoundary) {
    return QAccessibleTextInterface::textAtOffset(offset, boundary, start_offset, end_offset);
  }
  const int count = characterCount();
  if (offset < 0 || offset > count) {
    *start_offset = *end_offset = -1;
    return {};
  }
  LineAt(offset, start_offset, end_offset);
  return text(*start_offset, *end_offset);
}

QString TextViewAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                             int* start_offset, int* end_offset) const {
  if (boundary != QAccessible::LineBoundary && boundary != QAccessible::ParagraphBoundary) {
    return QAccessibleTextInterface::textBeforeOffset(offset, boundary, start_offset, end_offset);
  }
  int start = 0;
  int end = 0;
  if (offset >= 0 && offset <= characterCount()) LineAt(offset, &start, &end);
  if (start <= 0 || offset < 0 || offset > characterCount()) {
    *start_offset = *end_offset = -1;
    return {};
  }
  LineAt(start - 1, start_offset, end_offset);
  return text(*start_offset, *end_offset);
}

QString TextViewAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                            int* start_offset, int* end_offset) const {
  if (boundary != QAccessible::LineBoundary && boundary != QAccessible::ParagraphBoundary) {
    return QAccessibleTextInterface::textAfterOffset(offset, boundary, start_offset, end_offset);
  }
  const int count = characterCount();
  int start = 0;
  int end = 0;
  if (offset >= 0 && offset <= count) LineAt(offset, &start, &end);
  // Past the last line there is none; a text ending in a break has an empty one.
  const bool ends_in_break =
      end == count && end > start && text(end - 1, end) == QLatin1String("\n");
  if (offset < 0 || offset > count || (end >= count && !ends_in_break) || end == start) {
    *start_offset = *end_offset = -1;
    return {};
  }
  LineAt(end, start_offset, end_offset);
  return text(*start_offset, *end_offset);
}

int TextViewAccessible::characterCount() const {
  return ReaderOffset(Text(), static_cast<int>(Text().size()));
}

QRect TextViewAccessible::characterRect(int offset) const {
  const QRect local = View().CharacterRect(TextPosition(Text(), offset));
  if (local.isNull()) return {};
  return QRect(View().mapToGlobal(local.topLeft()), local.size());
}

int TextViewAccessible::offsetAtPoint(const QPoint& point) const {
  const int pos = View().PositionAt(View().mapFromGlobal(point));
  return pos < 0 ? -1 : ReaderOffset(Text(), pos);
}

void TextViewAccessible::scrollToSubstring(int start_index, int) {
  emu::TextBox* box = View().Box();
  if (box == nullptr) return;
  // Every line before the position adds one character, its LF, in the text.
  const int pos = TextPosition(box->Text(), start_index);
  const int line = pos - ReaderOffset(box->Text(), pos);
  const int first = box->FirstVisibleLine();
  if (line < first) {
    box->LineScroll(0, line - first);
  } else if (line >= first + box->ViewLines()) {
    box->LineScroll(0, line - first - box->ViewLines() + 1);
  }
  View().update();
}

QString TextViewAccessible::attributes(int offset, int* start_offset, int* end_offset) const {
  // One run without attributes of its own: the whole text shares the box's font.
  (void)offset;
  *start_offset = 0;
  *end_offset = characterCount();
  return {};
}

bool TextViewAccessible::Selectable() const {
  const emu::TextBox* box = View().Box();
  return box != nullptr && box->Enabled() && !box->Ime().Composing();
}

void TextViewAccessible::Select(int anchor_offset, int caret_offset) {
  if (!Selectable()) return;
  emu::TextBox* box = View().Box();
  const int anchor = TextPosition(box->Text(), anchor_offset);
  const int caret = TextPosition(box->Text(), caret_offset);
  box->SetSel(std::min(anchor, caret), std::abs(caret - anchor));
  View().Show(box);
}

void ReaderEcho::Tell(QObject* view, const ustring& text, int anchor, int caret) {
  if (!Listened()) {
    if (known_) told_ = ustring();  // nobody listens: nothing kept
    known_ = false;
    return;
  }
  if (!known_) {  // a reader just came: it asks for what it needs
    told_ = text;
    known_ = true;
    caret_offset_ = ReaderOffset(text, caret);
  } else {
    const bool text_changed = told_ != text;
    if (!text_changed && anchor == anchor_ && caret == caret_) return;
    if (text_changed) TellText(view, text);
    const int caret_offset = ReaderOffset(text, caret);
    if (caret_offset != caret_offset_) Post(QAccessibleTextCursorEvent(view, caret_offset));
    const bool had_selection = anchor_ != caret_;
    if ((anchor != caret || had_selection) && (anchor != anchor_ || caret != caret_)) {
      const int start = std::min(anchor, caret);
      const int end = std::max(anchor, caret);
      Post(QAccessibleTextSelectionEvent(view, ReaderOffset(text, start), ReaderOffset(text, end)));
    }
    caret_offset_ = caret_offset;
  }
  anchor_ = anchor;
  caret_ = caret;
}

void ReaderEcho::TellText(QObject* view, const ustring& text) {
  const std::size_t shorter = std::min(told_.size(), text.size());
  std::size_t front = 0;
  while (front < shorter && told_[front] == text[front]) ++front;
  std::size_t back = 0;
  while (back < shorter - front && told_[told_.size() - 1 - back] == text[text.size() - 1 - back])
    ++back;
  // The stretch never splits a CR LF or a surrogate pair, in either text.
  if (front > 0 && (told_[front - 1] == u'\r' || IsHighSurrogate(told_[front - 1]))) --front;
  if (back > 0 && (text[text.size() - back] == u'\n' || IsLowSurrogate(text[text.size() - back])))
    --back;
  const std::size_t old_end = told_.size() - back;
  const std::size_t new_end = text.size() - back;
  const int offset = ReaderOffset(text, static_cast<int>(front));
  const QString removed = ToQ(ReaderText(ustring_view(told_).substr(front, old_end - front)));
  const QString inserted = ToQ(ReaderText(ustring_view(text).substr(front, new_end - front)));
  if (removed.isEmpty()) {
    Post(QAccessibleTextInsertEvent(view, offset, inserted));
  } else if (inserted.isEmpty()) {
    Post(QAccessibleTextRemoveEvent(view, offset, removed));
  } else {
    Post(QAccessibleTextUpdateEvent(view, offset, removed, inserted));
  }
  told_.replace(front, old_end - front, text, front, new_end - front);
}

}  // namespace orvo::qt
