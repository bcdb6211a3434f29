#pragma once
// The document text box as a real Qt text widget. The widget holds one block
// per line; this adapter keeps the program's CR LF text beside it and converts
// at the boundary, so that positions, the EM_* figures, the modify flag, the
// one-level undo, the limit and scrolling behave exactly as the emulated edit
// control's. A lone CR or LF (and any character the widget would take as a
// line break) is a character, not a break: the widget shows a stand-in for it.
// Typing into the widget itself goes through the same rules (limit, undo,
// modify flag); the widget's own undo is off and Ctrl+Z is this undo.
#include <QPointer>
#include <functional>
#include <memory>

#include "platform/edit_control.h"
#include "platform/emulated/edit/line_table.h"
#include "platform/emulated/edit/undo_buffer.h"

class QObject;
class QPlainTextEdit;
class QString;
class QWidget;

namespace orvo::qt {

class QtEditControl : public EditControl {
 public:
  static constexpr int kDefaultLimit = 30000;

  explicit QtEditControl(QWidget* parent = nullptr);
  ~QtEditControl() override;
  QtEditControl(const QtEditControl&) = delete;
  QtEditControl& operator=(const QtEditControl&) = delete;

  // Null once a parent has destroyed it; the adapter keeps working without it.
  QPlainTextEdit* Widget() const { return edit_.data(); }

  // The visible area in double-byte columns and lines (each at least 1), from
  // the widget's viewport and font; SetViewSize resizes the widget to it.
  int ViewColumns() const;
  int ViewLines() const;
  void SetViewSize(int columns, int lines);

  WindowHandle Handle() const override { return handle_; }

  const ustring& Text() const override { return text_; }

  std::uint64_t Revision() const override { return revision_; }
  void SetText(ustring text) override;  // not bound by the limit

  int SelStart() const override;
  int SelLength() const override;
  void SetSel(int start, int length) override;
  ustring SelText() const override;
  void ReplaceSel(ustring_view text) override;

  int LineCount() const override { return lines_.Count(); }
  int LineFromChar(int dbcs_pos) const override;
  int LineIndex(int line) const override;
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
  void Undo() override;  // selects what it put back; not bound by the limit
  void EmptyUndoBuffer() override { undo_ = emu::UndoBuffer(); }

  int Limit() const override { return limit_; }
  void SetLimit(int dbcs_units) override;  // 0 or negative: the largest int

  int ImeMode() const override { return ime_mode_; }
  void SetImeMode(int mode) override { ime_mode_ = mode; }

  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;
  bool Visible() const override { return visible_; }
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

 private:
  class Hooks;
  friend class Hooks;
  enum class UndoRule { kTyping, kSwap };

  // Replaces [start, end) with `inserted`, the widget following unless
  // `typed` (it shows the change already). On allocation failure nothing
  // changes, kErrSpace is sent and false is returned.
  bool Splice(int start, int end, ustring_view inserted, UndoRule rule, bool typed);
  void Notify(EditNotice notice);

  // An edit made in the widget itself: [pos, pos + removed) of its old text
  // became [pos, pos + added). The text follows at once; the widget is put
  // right (a cut at the limit, a break made or undone, a stand-in) once the
  // widget has finished the edit, in OnWidgetSettled.
  void OnWidgetEdit(int pos, int removed, int added);
  void OnWidgetSettled();
  void OnWidgetCursor();
  void OnWidgetScrolled();
  void OnUndoKey();

  int Snap(int pos) const;  // back to a position that splits no pair
  int WidgetPos(int pos) const;
  int TextPos(int widget_pos) const;
  QString Shown(int start, int end) const;  // the widget's form of [start, end)
  void ShowInWidget(int widget_start, int widget_end, const QString& shown);
  void ShowSelection();
  void ShowScroll();
  void ShowColours();
  int ColumnWidth() const;
  int ColumnOf(int pos) const;
  void ClampScroll();

  // What the widget shows wrongly after an edit typed into it: the part of
  // the text [text_start, text_end) shown from widget position widget_start
  // up to widget_tail characters before the widget's end.
  struct Repair {
    int text_start = 0;
    int text_end = 0;
    int widget_start = 0;
    int widget_tail = 0;
    int caret = 0;
    bool cut = false;  // the limit cut the typed text
  };

  QPointer<QPlainTextEdit> edit_;
  std::unique_ptr<Hooks> hooks_;  // the widget's signals and key filter end with it
  WindowHandle handle_;
  ustring text_;
  std::uint64_t revision_ = 0;
  emu::LineTable lines_;
  emu::UndoBuffer undo_;
  int anchor_ = 0;  // the selection, kept in step with the widget's cursor
  int caret_ = 0;
  bool modified_ = false;
  int limit_ = kDefaultLimit;
  int first_line_ = 0;
  int first_column_ = 0;
  int ime_mode_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  std::uint32_t back_colour_ = 0xFFFFFF;
  std::uint32_t fore_colour_ = 0;
  FontSpec font_{u"FixedSys", 14, false};
  bool word_wrap_ = false;
  bool applying_ = false;  // the widget is being changed from here
  bool repair_pending_ = false;
  Repair repair_;
  std::function<void(EditNotice)> sink_;
};

}  // namespace orvo::qt
