// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document text box over a native multi-line EDIT (a Unicode control).
// Positions stay UTF-16 elements as the control's own; the EM_* figures are
// converted to double-byte units. The text limit is the program's (by its
// measure), enforced here on typing and pasting; the control's own is
// lifted. Word wrap is a style fixed when an EDIT is made, so turning it
// over makes the control again, keeping text, selection, modify flag and
// font (the undo step is lost with the old control). The EDIT cannot hold
// a NUL character: each is shown as U+2400 instead of ending the text.
//
// The parent window passes its messages to HandleParentMessage first: the
// control's notifications (EN_CHANGE, EN_ERRSPACE, EN_MAXTEXT) and its
// colours (WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC) come to the parent.
#include <windows.h>

#include <functional>

#include "platform/edit_control.h"
#include "platform/native/dbcs_index.h"
#include "platform/native/limit_fit.h"
#include "platform/native/nul_shown.h"

namespace orvo::win32 {

class NativeEditControl : public EditControl {
 public:
  static constexpr int kDefaultLimit = 30000;

  NativeEditControl(HWND parent, int control_id, RECT bounds);
  ~NativeEditControl() override;
  NativeEditControl(const NativeEditControl&) = delete;
  NativeEditControl& operator=(const NativeEditControl&) = delete;

  // The control's messages to its parent, answered; false for any other.
  static bool HandleParentMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

  HWND Window() const { return edit_; }
  bool Ready() const { return edit_ != nullptr; }
  void SetBounds(RECT bounds);
  // Told when the control was made again (word wrap): its handle changed.
  void SetOnRecreated(std::function<void(HWND)> on_recreated) { on_recreated_ = std::move(on_recreated); }

  WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(edit_); }
  const ustring& Text() const override { return text_; }
  std::uint64_t Revision() const override { return revision_; }
  void SetText(ustring text) override;

  int SelStart() const override;
  int SelLength() const override;
  void SetSel(int start, int length) override;
  ustring SelText() const override;
  void ReplaceSel(ustring_view text) override;

  int LineCount() const override;
  int LineFromChar(int dbcs_pos) const override;
  int LineIndex(int line) const override;
  int LineLength(int dbcs_pos) const override;
  int SelStartDbcs() const override { return index_.DbcsOf(SelStart()); }
  int SelEndDbcs() const override { return index_.DbcsOf(SelStart() + SelLength()); }
  int FirstVisibleLine() const override;
  int FirstVisibleColumn() const override;
  void LineScroll(int columns, int lines) override;
  void ScrollCaret() override;

  bool Modified() const override;
  void SetModified(bool modified) override;
  bool CanUndo() const override;
  void Undo() override;
  void EmptyUndoBuffer() override;

  int Limit() const override { return limit_; }
  void SetLimit(int dbcs_units) override;
  void SetLimitMeasure(LimitMeasure measure) override {
    measure_ = std::move(measure);
    measured_revision_ = ~std::uint64_t{0};
  }
  // Measured once for each revision of the text: the status line asks on every key.
  long long TextMeasure() const override;

  int ImeMode() const override { return ime_mode_; }
  // Put into the IME now when the box has the focus, and whenever it takes it.
  void SetImeMode(int mode) override;

  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  bool Visible() const override;
  void SetVisible(bool visible) override;

  std::uint32_t BackColor() const override { return back_colour_; }
  void SetBackColor(std::uint32_t colour) override;
  std::uint32_t ForeColor() const override { return fore_colour_; }
  void SetForeColor(std::uint32_t colour) override;
  const FontSpec& Font() const override { return font_; }
  void SetFont(const FontSpec& font) override;
  bool WordWrap() const override { return word_wrap_; }
  void SetWordWrap(bool wrap) override;

  void SetNoticeSink(std::function<void(EditNotice)> sink) override { sink_ = std::move(sink); }

  // Width of a half-width character and height of a line, in pixels, in the
  // control's font.
  SIZE CellSize() const;

 private:
  HWND Create();
  static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR id, DWORD_PTR self);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  // Reads the control's text again; the revision moves when it changed.
  void Refresh();
  void Notify(EditNotice notice);
  LRESULT Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const;
  // Inserts text over the selection as typing does, within the limit.
  void Insert(ustring_view text);
  int Snap(int pos) const;
  int CaretLine() const;
  int LineStart(int line) const;  // UTF-16
  int LineEnd(int line) const;    // UTF-16, before the line's break
  int WidestLine() const;         // double-byte units
  SIZE ViewCells() const;         // the text area in columns and lines
  // Scrolls so that the line and the column are the first shown.
  void ScrollTo(int line, int column);
  LRESULT ColourMessage(HDC dc) const;
  void ApplyImeMode();
  // Units the limit leaves for what replaces the selection.
  long long Room() const;
  // The IME's result string, when it would not fit: what fits goes in by
  // the program's own insertion; the message's other parts are returned.
  LPARAM TakeImeResult(LPARAM parts);

  HWND parent_;
  int control_id_;
  RECT bounds_;
  HWND edit_ = nullptr;
  ustring text_;
  native::DbcsIndex index_;
  std::uint64_t revision_ = 0;
  int limit_ = kDefaultLimit;
  LimitMeasure measure_;
  mutable std::uint64_t measured_revision_ = ~std::uint64_t{0};
  mutable long long measured_ = 0;
  int ime_mode_ = 0;
  std::uint32_t back_colour_ = 0xFFFFFF;
  std::uint32_t fore_colour_ = 0;
  HBRUSH back_brush_ = nullptr;
  FontSpec font_{u"FixedSys", 14, false};
  HFONT font_handle_ = nullptr;
  bool word_wrap_ = false;
  std::function<void(EditNotice)> sink_;
  std::function<void(HWND)> on_recreated_;
};

}  // namespace orvo::win32
