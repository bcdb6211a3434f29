// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document text box as the program sees it: a multi-line edit control.
// Character positions (SelStart, SelLength) count UTF-16 elements, as the
// program's strings do; the EM_* style queries count double-byte units
// (half-width 1, full-width 2), as an ANSI edit control on a Japanese system.
#include <cstdint>
#include <functional>

#include "platform/font_metrics.h"
#include "platform/text.h"

namespace orvo {

// IME mode property of a text box.
namespace ime_mode {
inline constexpr int kOff = 2;
inline constexpr int kHiragana = 4;
inline constexpr int kAlphaFull = 7;
}  // namespace ime_mode

// Notifications an edit control sends its parent (WM_COMMAND codes).
enum class EditNotice : std::uint16_t {
  kErrSpace = 0x0500,  // out of memory
  kMaxText = 0x0501,   // text limit reached, input truncated
};

using WindowHandle = std::uintptr_t;

class EditControl {
 public:
  virtual ~EditControl() = default;

  virtual WindowHandle Handle() const = 0;

  // Whole text; line ends are CR LF.
  virtual const ustring& Text() const = 0;
  // A number that changes whenever the text does, so a watcher need not compare texts.
  virtual std::uint64_t Revision() const = 0;
  virtual void SetText(ustring text) = 0;  // resets caret, undo; clears modify flag

  // Caret and selection in character positions.
  virtual int SelStart() const = 0;
  virtual int SelLength() const = 0;
  virtual void SetSel(int start, int length) = 0;  // clamped to the text
  virtual ustring SelText() const = 0;
  // Replaces the selection as typing would (undoable, sets the modify flag,
  // honours the text limit and reports kMaxText when it cuts the input).
  virtual void ReplaceSel(ustring_view text) = 0;

  // EM_* queries, in double-byte units.
  virtual int LineCount() const = 0;
  virtual int LineFromChar(int dbcs_pos) const = 0;  // -1: the line of the caret
  virtual int LineIndex(int line) const = 0;         // -1: the line of the caret
  virtual int LineLength(int dbcs_pos) const = 0;
  virtual int SelStartDbcs() const = 0;
  virtual int SelEndDbcs() const = 0;
  virtual int FirstVisibleLine() const = 0;
  virtual int FirstVisibleColumn() const = 0;  // horizontal scroll, in double-byte units
  virtual void LineScroll(int columns, int lines) = 0;
  virtual void ScrollCaret() = 0;

  virtual bool Modified() const = 0;
  virtual void SetModified(bool modified) = 0;
  virtual bool CanUndo() const = 0;
  virtual void Undo() = 0;
  virtual void EmptyUndoBuffer() = 0;

  // Text limit in double-byte units (0: the control's default maximum).
  virtual int Limit() const = 0;
  virtual void SetLimit(int dbcs_units) = 0;
  // How the limit counts a text instead of its double-byte units (the bytes
  // it takes on disk, say); none: double-byte units.
  // A measure is a constant for any text (a byte-order mark, say) plus a sum
  // over whole characters, a CR LF counting as one.
  using LimitMeasure = std::function<long long(ustring_view text)>;
  virtual void SetLimitMeasure(LimitMeasure measure) = 0;
  // The limit's count of the whole text, by its measure or in double-byte units.
  virtual long long TextMeasure() const = 0;

  virtual int ImeMode() const = 0;
  virtual void SetImeMode(int mode) = 0;

  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;

  // Appearance: colours are RGB values (red + 256 green + 65536 blue).
  virtual std::uint32_t BackColor() const = 0;
  virtual void SetBackColor(std::uint32_t colour) = 0;
  virtual std::uint32_t ForeColor() const = 0;
  virtual void SetForeColor(std::uint32_t colour) = 0;
  virtual const FontSpec& Font() const = 0;
  virtual void SetFont(const FontSpec& font) = 0;
  // Word wrap at the right edge (fixed when the box is made on some platforms).
  virtual bool WordWrap() const = 0;
  virtual void SetWordWrap(bool wrap) = 0;

  // Where the control sends its notifications (the parent window's hook).
  virtual void SetNoticeSink(std::function<void(EditNotice)> sink) = 0;
};

}  // namespace orvo
