// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/edit/edit_control_model.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>

namespace orvo::emu {

namespace {

WindowHandle NextHandle() {
  static std::atomic<WindowHandle> next{0x1000};
  return next.fetch_add(4);
}


}  // namespace

EditControlModel::EditControlModel() : handle_(NextHandle()) {}

EditControlModel::~EditControlModel() {
  if (observer_ != nullptr) observer_->ModelGone();
}

void EditControlModel::SetText(ustring text) {
  try {
    if (fail_next_growth_ && text.size() > text_.size()) {
      fail_next_growth_ = false;
      throw std::bad_alloc();
    }
    LineTable lines;
    lines.Rebuild(text);
    lines_ = std::move(lines);
    if (text != text_) ++revision_;
    text_ = std::move(text);
  } catch (const std::bad_alloc&) {
    Notify(EditNotice::kErrSpace);
    return;
  }
  anchor_ = caret_ = 0;
  undo_ = UndoBuffer();
  modified_ = false;
  first_line_ = first_column_ = 0;
  if (observer_ != nullptr) observer_->TextReset();
}

int EditControlModel::SelStart() const { return std::min(anchor_, caret_); }

int EditControlModel::SelLength() const { return std::abs(caret_ - anchor_); }

void EditControlModel::SetSel(int start, int length) {
  const long long size = static_cast<long long>(text_.size());
  const long long s = std::clamp<long long>(start, 0, size);
  const long long e = std::clamp<long long>(s + length, s, size);
  anchor_ = Snap(static_cast<int>(s));
  caret_ = Snap(static_cast<int>(e));
}

void EditControlModel::Select(int anchor, int caret) {
  anchor_ = Snap(anchor);
  caret_ = Snap(caret);
}

ustring EditControlModel::SelText() const { return text_.substr(SelStart(), SelLength()); }

void EditControlModel::SetLimitMeasure(LimitMeasure measure) {
  measure_ = std::move(measure);
  measured_revision_ = ~std::uint64_t{0};
}

long long EditControlModel::TextMeasure() const {
  if (!measure_) return lines_.TotalDbcs();
  if (measured_revision_ != revision_) {
    measured_ = measure_(text_);
    measured_revision_ = revision_;
  }
  return measured_;
}

long long EditControlModel::PieceMeasure(ustring_view piece) const { return measure_(piece) - measure_({}); }

long long EditControlModel::MeasureChange(int start, int end, ustring_view inserted) const {
  // One element either side: a surrogate pair or a CR LF that the change
  // joins or splits is counted as the whole text counts it.
  const ustring_view text = text_;
  const int from = start > 0 ? start - 1 : start;
  const int to = end < static_cast<int>(text.size()) ? end + 1 : end;
  ustring after;
  after.reserve(static_cast<std::size_t>(start - from + to - end) + inserted.size());
  after.append(text.substr(from, start - from)).append(inserted).append(text.substr(end, to - end));
  return measure_(after) - measure_(text.substr(from, to - from));
}

bool EditControlModel::Fit(ustring_view text, long long kept, ustring_view& fitting) {
  const long long room = static_cast<long long>(limit_) - kept;
  if (!measure_) {
    const bool cut = TextWidth(text) > room;
    fitting = cut ? text.substr(0, FittingPrefix(text, room)) : text;
    return !cut;
  }
  if (PieceMeasure(text) <= room) {
    fitting = text;
    return true;
  }
  // Whole characters only: a surrogate pair or a CR LF is never split.
  std::size_t end = 0;
  long long used = 0;
  while (end < text.size()) {
    std::size_t next = end + 1;
    const bool pair = text[end] >= 0xD800 && text[end] <= 0xDBFF && next < text.size();
    if (pair || (text[end] == u'\r' && next < text.size() && text[next] == u'\n')) ++next;
    const long long step = PieceMeasure(text.substr(end, next - end));
    if (used + step > room) break;
    used += step;
    end = next;
  }
  fitting = text.substr(0, end);
  return false;
}

void EditControlModel::ReplaceSel(ustring_view text) {
  const int start = SelStart();
  const int end = start + SelLength();
  long long kept = 0;
  if (measure_) {
    kept = TextMeasure() - PieceMeasure(ustring_view(text_).substr(start, end - start));
  } else {
    kept = lines_.TotalDbcs() - (lines_.DbcsOf(text_, end) - lines_.DbcsOf(text_, start));
  }
  ustring_view fitting;
  const bool cut = !Fit(text, kept, fitting);
  if (!Splice(start, end, fitting, UndoRule::kTyping)) return;
  anchor_ = caret_ = SnapForward(start + static_cast<int>(fitting.size()));
  ScrollCaret();
  if (cut) Notify(EditNotice::kMaxText);
}

int EditControlModel::LineFromChar(int dbcs_pos) const {
  if (dbcs_pos < 0) return CaretLine();
  return lines_.LineOfDbcs(dbcs_pos);
}

int EditControlModel::LineIndex(int line) const {
  if (line < 0) line = CaretLine();
  if (line >= lines_.Count()) return -1;
  return lines_.DbcsStart(line);
}

int EditControlModel::LineLength(int dbcs_pos) const {
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

int EditControlModel::SelStartDbcs() const { return lines_.DbcsOf(text_, SelStart()); }

int EditControlModel::SelEndDbcs() const { return lines_.DbcsOf(text_, SelStart() + SelLength()); }

void EditControlModel::LineScroll(int columns, int lines) {
  // Room for the caret after the widest line's last character.
  const int max_column = std::max(0, lines_.WidestLine() + 1 - view_columns_);
  const int max_line = std::max(0, lines_.Count() - view_lines_);
  first_column_ = static_cast<int>(
      std::clamp<long long>(static_cast<long long>(first_column_) + columns, 0, max_column));
  first_line_ = static_cast<int>(
      std::clamp<long long>(static_cast<long long>(first_line_) + lines, 0, max_line));
}

void EditControlModel::ScrollCaret() {
  const int line = CaretLine();
  const int column = ColumnOf(caret_);
  if (line < first_line_) {
    first_line_ = line;
  } else if (line >= first_line_ + view_lines_) {
    first_line_ = line - view_lines_ + 1;
  }
  if (column < first_column_) {
    first_column_ = column;
  } else if (column >= first_column_ + view_columns_) {
    first_column_ = column - view_columns_ + 1;
  }
}

void EditControlModel::Undo() {
  if (!undo_.CanUndo()) return;
  const int start = undo_.Position();
  const int restored = static_cast<int>(undo_.Deleted().size());
  if (!Splice(start, start + undo_.Inserted(), undo_.Deleted(), UndoRule::kSwap)) return;
  anchor_ = start;
  caret_ = start + restored;
  ScrollCaret();
}

void EditControlModel::SetLimit(int dbcs_units) {
  limit_ = dbcs_units > 0 ? dbcs_units : kMaximumLimit;
}

void EditControlModel::SetViewSize(int columns, int lines) {
  view_columns_ = std::max(1, columns);
  view_lines_ = std::max(1, lines);
  ClampScroll();
}

void EditControlModel::MoveCaret(CaretMove move, bool extend) {
  caret_ = TargetOf(move);
  if (!extend) anchor_ = caret_;
  ScrollCaret();
}

void EditControlModel::Backspace() {
  if (SelLength() > 0) {
    DeleteRange(SelStart(), SelStart() + SelLength());
  } else if (caret_ > 0) {
    DeleteRange(PrevPosition(caret_), caret_);
  }
}

void EditControlModel::Delete() {
  if (SelLength() > 0) {
    DeleteRange(SelStart(), SelStart() + SelLength());
  } else if (caret_ < static_cast<int>(text_.size())) {
    DeleteRange(caret_, NextPosition(caret_));
  }
}

void EditControlModel::Cut(ustring& clipboard) {
  if (SelLength() == 0) return;
  clipboard = SelText();
  Clear();
}

void EditControlModel::Copy(ustring& clipboard) const {
  if (SelLength() > 0) clipboard = SelText();
}

void EditControlModel::Paste(ustring_view clipboard) {
  if (!clipboard.empty()) ReplaceSel(clipboard);
}

void EditControlModel::Clear() {
  if (SelLength() > 0) DeleteRange(SelStart(), SelStart() + SelLength());
}

bool EditControlModel::Splice(int start, int end, ustring_view inserted, UndoRule rule) {
  if (start == end && inserted.empty()) return true;
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
    if (fail_next_growth_ && new_size > text_.size()) {
      fail_next_growth_ = false;
      throw std::bad_alloc();
    }
    const bool measured = measure_ && measured_revision_ == revision_;
    const long long measure_change = measured ? MeasureChange(start, end, inserted) : 0;
    const ustring_view removed = ustring_view(text_).substr(start, end - start);
    const int count = static_cast<int>(inserted.size());
    UndoBuffer undo = rule == UndoRule::kTyping ? undo_.After(start, removed, count)
                                                : UndoBuffer(start, count, ustring(removed));
    LineTable::Change change = lines_.Prepare(text_, start, end, inserted);
    text_.reserve(new_size);
    // Nothing below allocates: the change is all or nothing. `inserted` may
    // view the old undo record, which is replaced last.
    text_.replace(start, end - start, inserted);
    ++revision_;
    if (measured) {
      measured_ += measure_change;
      measured_revision_ = revision_;
    }
    lines_.Commit(std::move(change));
    undo_ = std::move(undo);
  } catch (const std::bad_alloc&) {
    Notify(EditNotice::kErrSpace);
    return false;
  }
  modified_ = true;
  ClampScroll();
  if (observer_ != nullptr) observer_->TextReplaced(start, end - start, static_cast<int>(inserted.size()));
  return true;
}

void EditControlModel::DeleteRange(int start, int end) {
  if (!Splice(start, end, {}, UndoRule::kTyping)) return;
  anchor_ = caret_ = Snap(start);
  ScrollCaret();
}

void EditControlModel::Notify(EditNotice notice) {
  // A copy, so that a sink replacing itself does not destroy the running call.
  const auto sink = sink_;
  if (sink) sink(notice);
}

int EditControlModel::Snap(int pos) const {
  const int size = static_cast<int>(text_.size());
  pos = std::clamp(pos, 0, size);
  if (pos > 0 && pos < size && SplitsPair(text_[pos - 1], text_[pos])) --pos;
  return pos;
}

int EditControlModel::SnapForward(int pos) const {
  const int snapped = Snap(pos);
  return snapped < pos ? snapped + 2 : snapped;
}

int EditControlModel::PrevPosition(int pos) const {
  if (pos >= 2 && SplitsPair(text_[pos - 2], text_[pos - 1])) return pos - 2;
  return std::max(0, pos - 1);
}

int EditControlModel::NextPosition(int pos) const {
  const int size = static_cast<int>(text_.size());
  if (pos + 1 < size && SplitsPair(text_[pos], text_[pos + 1])) return pos + 2;
  return std::min(size, pos + 1);
}

int EditControlModel::ColumnOf(int pos) const {
  return lines_.DbcsOf(text_, pos) - lines_.DbcsStart(lines_.LineOf(pos));
}

int EditControlModel::PositionAtColumn(int line, int column) const {
  int pos = lines_.Start(line);
  const int end = lines_.End(line);
  int width = 0;
  while (pos < end) {
    const int next = NextPosition(pos);
    const int step = TextWidth(ustring_view(text_).substr(pos, next - pos));
    if (width + step > column) break;  // a column inside a character stays before it
    width += step;
    pos = next;
  }
  return pos;
}

int EditControlModel::TargetOf(CaretMove move) const {
  const int line = CaretLine();
  const int last_line = lines_.Count() - 1;
  switch (move) {
    case CaretMove::kLeft:
      return PrevPosition(caret_);
    case CaretMove::kRight:
      return NextPosition(caret_);
    case CaretMove::kUp:
      return line == 0 ? caret_ : PositionAtColumn(line - 1, ColumnOf(caret_));
    case CaretMove::kDown:
      return line == last_line ? caret_ : PositionAtColumn(line + 1, ColumnOf(caret_));
    case CaretMove::kHome:
      return lines_.Start(line);
    case CaretMove::kEnd:
      return lines_.End(line);
    case CaretMove::kPageUp:
      return PositionAtColumn(std::max(0, line - view_lines_), ColumnOf(caret_));
    case CaretMove::kPageDown:
      return PositionAtColumn(std::min(last_line, line + view_lines_), ColumnOf(caret_));
    case CaretMove::kTextStart:
      return 0;
    case CaretMove::kTextEnd:
      return static_cast<int>(text_.size());
  }
  return caret_;
}

void EditControlModel::ClampScroll() {
  first_line_ = std::min(first_line_, std::max(0, lines_.Count() - view_lines_));
  first_column_ = std::min(first_column_, std::max(0, lines_.WidestLine() + 1 - view_columns_));
}

}  // namespace orvo::emu
