// SPDX-License-Identifier: GPL-3.0-or-later
// The EditControl calls over the EDIT's own messages, converted between
// UTF-16 positions and double-byte units.
#include "platform/win32/native_edit_control.h"

#include <algorithm>
#include <limits>

#include "platform/emulated/edit/line_table.h"

namespace orvo::win32 {

LRESULT NativeEditControl::Send(UINT message, WPARAM wparam, LPARAM lparam) const {
  return edit_ == nullptr ? 0 : SendMessageW(edit_, message, wparam, lparam);
}

void NativeEditControl::SetText(ustring text) {
  if (edit_ == nullptr) return;
  // Not bound by the limit (the control's own is lifted). Out of memory:
  // the old text stays, and the owner hears of it.
  const ustring shown = native::WithNulShown(text);
  if (!Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.c_str()))) {
    Notify(EditNotice::kErrSpace);
    return;
  }
  Send(EM_SETSEL, 0, 0);
  Send(EM_EMPTYUNDOBUFFER);
  Send(EM_SETMODIFY, FALSE);
  Refresh();
  ScrollTo(0, 0);
}

int NativeEditControl::SelStart() const {
  DWORD start = 0;
  DWORD end = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(std::min(start, end));
}

int NativeEditControl::SelLength() const {
  DWORD start = 0;
  DWORD end = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(std::max(start, end) - std::min(start, end));
}

int NativeEditControl::Snap(int pos) const {
  const int size = static_cast<int>(text_.size());
  pos = std::clamp(pos, 0, size);
  if (pos > 0 && pos < size && emu::SplitsPair(text_[pos - 1], text_[pos])) --pos;
  return pos;
}

void NativeEditControl::SetSel(int start, int length) {
  const long long size = static_cast<long long>(text_.size());
  const long long s = std::clamp<long long>(start, 0, size);
  const long long e = std::clamp<long long>(s + length, s, size);
  // Selecting does not scroll (some EDITs scroll to the caret on EM_SETSEL).
  const int line = FirstVisibleLine();
  const int column = FirstVisibleColumn();
  Send(EM_SETSEL, static_cast<WPARAM>(Snap(static_cast<int>(s))),
       static_cast<LPARAM>(Snap(static_cast<int>(e))));
  ScrollTo(line, column);
}

ustring NativeEditControl::SelText() const {
  return text_.substr(std::min<std::size_t>(SelStart(), text_.size()), SelLength());
}

void NativeEditControl::ReplaceSel(ustring_view text) { Insert(text); }

long long NativeEditControl::TextMeasure() const {
  if (measured_revision_ != revision_) {
    measured_ = native::MeasureForLimit(text_, measure_);
    measured_revision_ = revision_;
  }
  return measured_;
}

long long NativeEditControl::Room() const {
  const ustring_view selected = ustring_view(text_).substr(SelStart(), SelLength());
  const long long kept = TextMeasure() - native::PieceMeasure(selected, measure_);
  return static_cast<long long>(limit_) - kept;
}

void NativeEditControl::Insert(ustring_view text) {
  const ustring fitting = native::WithNulShown(native::FitToLimit(text, Room(), measure_));
  if (!fitting.empty() || SelLength() != 0) {
    // The view follows the caret by the least scrolling, whatever the
    // control's own way of following it.
    const int line = FirstVisibleLine();
    const int column = FirstVisibleColumn();
    Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(fitting.c_str()));
    Refresh();
    ScrollTo(line, column);
    ScrollCaret();
  }
  if (fitting.size() < text.size()) Notify(EditNotice::kMaxText);
}

int NativeEditControl::LineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT)); }

int NativeEditControl::CaretLine() const {
  // The caret is the end SetSel moves: the selection's end.
  return static_cast<int>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(SelStart() + SelLength())));
}

int NativeEditControl::LineStart(int line) const {
  return static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(line)));
}

int NativeEditControl::LineEnd(int line) const {
  const int start = LineStart(line);
  return start + static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(start)));
}

int NativeEditControl::LineFromChar(int dbcs_pos) const {
  if (dbcs_pos < 0) return CaretLine();
  return static_cast<int>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(index_.PositionOf(dbcs_pos))));
}

int NativeEditControl::LineIndex(int line) const {
  if (line < 0) line = CaretLine();
  const int start = LineStart(line);
  return start < 0 ? -1 : index_.DbcsOf(start);
}

int NativeEditControl::LineLength(int dbcs_pos) const {
  if (dbcs_pos < 0) {
    // The units of the lines the selection touches that it leaves.
    const int start = SelStart();
    const int end = start + SelLength();
    const int first = static_cast<int>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(start)));
    const int last = static_cast<int>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(end)));
    return index_.DbcsOf(start) - index_.DbcsOf(LineStart(first)) + index_.DbcsOf(LineEnd(last)) -
           index_.DbcsOf(end);
  }
  if (dbcs_pos > index_.TotalDbcs()) return 0;
  const int line =
      static_cast<int>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(index_.PositionOf(dbcs_pos))));
  return index_.DbcsOf(LineEnd(line)) - index_.DbcsOf(LineStart(line));
}

int NativeEditControl::FirstVisibleLine() const {
  return static_cast<int>(Send(EM_GETFIRSTVISIBLELINE));
}

int NativeEditControl::FirstVisibleColumn() const {
  if (edit_ == nullptr || word_wrap_) return 0;
  // Where the text's first character stands, against the formatting
  // rectangle (above the view too; a break stands where its line ends, at
  // the start of an empty line). No character: nothing to scroll.
  RECT format{};
  Send(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const LRESULT at = Send(EM_POSFROMCHAR, 0);
  if (at == -1) return 0;
  const int x = static_cast<short>(LOWORD(at));
  const int cell = static_cast<int>(std::max<LONG>(1, CellSize().cx));
  return std::max(0, (static_cast<int>(format.left) - x + cell / 2) / cell);
}

int NativeEditControl::WidestLine() const {
  int widest = 0;
  const int lines = LineCount();
  for (int line = 0; line < lines; ++line) {
    widest = std::max(widest, index_.DbcsOf(LineEnd(line)) - index_.DbcsOf(LineStart(line)));
  }
  return widest;
}

void NativeEditControl::LineScroll(int columns, int lines) {
  long long step = 0;
  if (!word_wrap_ && columns != 0) {
    // Room for the caret after the widest line, and no further.
    RECT format{};
    Send(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const int view = std::max<int>(1, (format.right - format.left) / std::max<LONG>(1, CellSize().cx));
    const long long first = FirstVisibleColumn();
    const long long target =
        std::clamp<long long>(first + columns, 0, std::max(0, WidestLine() + 1 - view));
    step = target - first;
  }
  // Never further than the text reaches (the control's sums may overflow).
  const int count = LineCount();
  Send(EM_LINESCROLL, static_cast<WPARAM>(step), static_cast<LPARAM>(std::clamp(lines, -count, count)));
}

SIZE NativeEditControl::ViewCells() const {
  RECT format{};
  Send(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const SIZE cell = CellSize();
  return {std::max<LONG>(1, (format.right - format.left) / cell.cx),
          std::max<LONG>(1, (format.bottom - format.top) / cell.cy)};
}

void NativeEditControl::ScrollTo(int line, int column) {
  const int columns = word_wrap_ ? 0 : column - FirstVisibleColumn();
  const int lines = line - FirstVisibleLine();
  if (columns != 0 || lines != 0) {
    Send(EM_LINESCROLL, static_cast<WPARAM>(columns), static_cast<LPARAM>(lines));
  }
}

void NativeEditControl::ScrollCaret() {
  // The least scrolling that shows the caret.
  const SIZE view = ViewCells();
  const int caret = SelStart() + SelLength();
  const int line = CaretLine();
  const int column = index_.DbcsOf(caret) - index_.DbcsOf(LineStart(line));
  int first_line = FirstVisibleLine();
  int first_column = FirstVisibleColumn();
  if (line < first_line) {
    first_line = line;
  } else if (line >= first_line + view.cy) {
    first_line = line - static_cast<int>(view.cy) + 1;
  }
  if (column < first_column) {
    first_column = column;
  } else if (column >= first_column + view.cx) {
    first_column = column - static_cast<int>(view.cx) + 1;
  }
  ScrollTo(first_line, first_column);
}

bool NativeEditControl::Modified() const { return Send(EM_GETMODIFY) != 0; }

void NativeEditControl::SetModified(bool modified) { Send(EM_SETMODIFY, modified ? TRUE : FALSE); }

bool NativeEditControl::CanUndo() const { return Send(EM_CANUNDO) != 0; }

void NativeEditControl::Undo() {
  const int line = FirstVisibleLine();
  const int column = FirstVisibleColumn();
  Send(EM_UNDO);
  Refresh();
  ScrollTo(line, column);
  ScrollCaret();
}

void NativeEditControl::EmptyUndoBuffer() { Send(EM_EMPTYUNDOBUFFER); }

void NativeEditControl::SetLimit(int dbcs_units) {
  limit_ = dbcs_units > 0 ? dbcs_units : std::numeric_limits<int>::max();
}

bool NativeEditControl::Enabled() const { return edit_ != nullptr && IsWindowEnabled(edit_); }

void NativeEditControl::SetEnabled(bool enabled) {
  if (edit_ != nullptr) EnableWindow(edit_, enabled ? TRUE : FALSE);
}

bool NativeEditControl::Visible() const {
  // The control's own flag: a hidden parent does not make it invisible.
  return edit_ != nullptr && (GetWindowLongPtrW(edit_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void NativeEditControl::SetVisible(bool visible) {
  if (edit_ != nullptr) ShowWindow(edit_, visible ? SW_SHOW : SW_HIDE);
}

}  // namespace orvo::win32
