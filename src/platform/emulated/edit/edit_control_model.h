// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document text box of the emulated desktop: a Windows multi-line EDIT
// control without word wrap, as a plain object. Positions never split a CR LF
// pair or a surrogate pair; the control does not normalise line ends, so a
// lone CR or LF is kept as typed (and is not a line break).
#include <functional>
#include <limits>

#include "platform/edit_control.h"
#include "platform/emulated/edit/edit_observer.h"
#include "platform/emulated/edit/line_table.h"
#include "platform/emulated/edit/undo_buffer.h"

namespace orvo::emu {

// Caret keys of the text box; Home and End stay on the caret's line.
enum class CaretMove {
  kLeft,
  kRight,
  kUp,
  kDown,
  kHome,
  kEnd,
  kPageUp,     // one view height up
  kPageDown,   // one view height down
  kTextStart,  // Ctrl+Home
  kTextEnd,    // Ctrl+End
};

class EditControlModel : public EditControl {
 public:
  static constexpr int kDefaultLimit = 30000;
  static constexpr int kMaximumLimit = std::numeric_limits<int>::max();  // what SetLimit(0) gives
  static constexpr int kDefaultViewColumns = 80;
  static constexpr int kDefaultViewLines = 25;

  EditControlModel();
  ~EditControlModel() override;
  EditControlModel(const EditControlModel&) = delete;
  EditControlModel& operator=(const EditControlModel&) = delete;

  WindowHandle Handle() const override { return handle_; }

  const ustring& Text() const override { return text_; }

  std::uint64_t Revision() const override { return revision_; }
  // Not bound by the text limit, as WM_SETTEXT. When memory runs out the old
  // text stays and kErrSpace is sent.
  void SetText(ustring text) override;

  int SelStart() const override;
  int SelLength() const override;
  void SetSel(int start, int length) override;
  ustring SelText() const override;
  void ReplaceSel(ustring_view text) override;

  int LineCount() const override { return lines_.Count(); }
  int LineFromChar(int dbcs_pos) const override;  // any negative: the caret's line
  int LineIndex(int line) const override;         // any negative: the caret's line; -1 past the end
  // Negative: the unselected units of the lines the selection touches, as
  // EM_LINELENGTH(-1); 0 past the end of the text.
  int LineLength(int dbcs_pos) const override;
  int SelStartDbcs() const override;
  int SelEndDbcs() const override;
  int FirstVisibleLine() const override { return first_line_; }
  int FirstVisibleColumn() const override { return first_column_; }
  void LineScroll(int columns, int lines) override;
  void ScrollCaret() override;

  bool Modified() const override { return modified_; }
  void SetModified(bool modified) override { modified_ = modified; }
  bool CanUndo() const override { return undo_.CanUndo(); }
  // Selects the text put back; not bound by the text limit.
  void Undo() override;
  void EmptyUndoBuffer() override { undo_ = UndoBuffer(); }

  int Limit() const override { return limit_; }
  void SetLimit(int dbcs_units) override;  // 0 or negative: kMaximumLimit
  void SetLimitMeasure(LimitMeasure measure) override;
  // Follows each change by measuring only what it touched.
  long long TextMeasure() const override;

  int ImeMode() const override { return ime_mode_; }
  void SetImeMode(int mode) override { ime_mode_ = mode; }

  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  std::uint32_t BackColor() const override { return back_colour_; }
  void SetBackColor(std::uint32_t colour) override { back_colour_ = colour; }
  std::uint32_t ForeColor() const override { return fore_colour_; }
  void SetForeColor(std::uint32_t colour) override { fore_colour_ = colour; }
  const FontSpec& Font() const override { return font_; }
  void SetFont(const FontSpec& font) override { font_ = font; }
  bool WordWrap() const override { return word_wrap_; }
  void SetWordWrap(bool wrap) override { word_wrap_ = wrap; }

  void SetNoticeSink(std::function<void(EditNotice)> sink) override { sink_ = std::move(sink); }

  // The visible area in double-byte columns and lines (each at least 1).
  void SetViewSize(int columns, int lines);
  int ViewColumns() const { return view_columns_; }
  int ViewLines() const { return view_lines_; }

  // The moving end of the selection, and the end that stays when Shift
  // extends it.
  const LineTable& Lines() const { return lines_; }

  int Caret() const { return caret_; }
  int Anchor() const { return anchor_; }
  // Puts both ends of the selection, as a mouse drag does (clamped, snapped
  // so that no pair is split).
  void Select(int anchor, int caret);

  // The view that follows the text (null: none); it must outlive the model
  // or be taken away first.
  void SetObserver(EditObserver* observer) { observer_ = observer; }
  EditObserver* Observer() const { return observer_; }

  // Keys of the text box. Without Shift a move starts from the caret and
  // collapses the selection; Up and Down keep the caret's double-byte column.
  void MoveCaret(CaretMove move, bool extend);
  void Backspace();  // a CR LF pair or a surrogate pair goes as one
  void Delete();

  void Cut(ustring& clipboard);         // nothing selected: the clipboard is left alone
  void Copy(ustring& clipboard) const;  // the same
  void Paste(ustring_view clipboard);   // replaces the selection, bound by the limit
  void Clear();                         // deletes the selection

  // Makes the next change that would lengthen the text fail as if memory ran
  // out: the text stays as it was and kErrSpace is sent.
  void FailNextGrowth() { fail_next_growth_ = true; }

 private:
  enum class UndoRule { kTyping, kSwap };

  // Replaces [start, end) with `inserted`; on allocation failure nothing
  // changes, kErrSpace is sent and false is returned.
  bool Splice(int start, int end, ustring_view inserted, UndoRule rule);
  void DeleteRange(int start, int end);
  void Notify(EditNotice notice);

  int Snap(int pos) const;         // back to a position that splits no pair
  int SnapForward(int pos) const;  // forward to one
  int PrevPosition(int pos) const;
  int NextPosition(int pos) const;
  int CaretLine() const { return lines_.LineOf(caret_); }
  int ColumnOf(int pos) const;  // double-byte column within pos's line
  int PositionAtColumn(int line, int column) const;
  int TargetOf(CaretMove move) const;
  void ClampScroll();

  WindowHandle handle_;
  ustring text_;
  std::uint64_t revision_ = 0;
  LineTable lines_;
  int anchor_ = 0;
  int caret_ = 0;
  UndoBuffer undo_;
  bool modified_ = false;
  int limit_ = kDefaultLimit;
  LimitMeasure measure_;
  // The measure of the whole text, and of which revision: typing asks on every key.
  mutable std::uint64_t measured_revision_ = ~std::uint64_t{0};
  mutable long long measured_ = 0;
  // The measure of a piece of the text: without the measure's constant.
  long long PieceMeasure(ustring_view piece) const;
  // What replacing [start, end) by `inserted` changes the whole text's measure by.
  long long MeasureChange(int start, int end, ustring_view inserted) const;
  // How much of the text fits in `room` by the limit's count; true when all of it.
  bool Fit(ustring_view text, long long kept, ustring_view& fitting);
  int first_line_ = 0;
  int first_column_ = 0;
  int view_columns_ = kDefaultViewColumns;
  int view_lines_ = kDefaultViewLines;
  int ime_mode_ = 0;
  bool enabled_ = true;
  bool fail_next_growth_ = false;
  std::function<void(EditNotice)> sink_;
  EditObserver* observer_ = nullptr;
  bool visible_ = true;
  std::uint32_t back_colour_ = 0xFFFFFF;
  std::uint32_t fore_colour_ = 0;
  FontSpec font_{u"FixedSys", 14, false};
  bool word_wrap_ = false;
};

}  // namespace orvo::emu
