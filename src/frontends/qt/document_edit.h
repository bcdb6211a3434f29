// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document's text widget. It shows what its edit control holds and takes
// no text from anywhere else: keys belong to the program (which turns them
// into edits of the control), the desktop's input method is kept out, and
// pasting, dropped text and the middle-button paste do nothing; dropped
// files go to the program. The program's own
// IME composition is shown in place as the widget's preedit. To a screen
// reader it is an ordinary editable text.
#include <QPlainTextEdit>
#include <functional>

#include "frontends/qt/preedit.h"
#include "frontends/qt/scroll_layout.h"

namespace orvo::qt {

// The caret's width for text whose lines are `line_height` pixels high: one
// pixel for the usual sizes, wider as the text grows.
int CaretWidthFor(int line_height);

class DocumentEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit DocumentEdit(QWidget* parent = nullptr);

  // Shows the composition at the widget's cursor, which must not select
  // anything (empty: none shown).
  void ShowPreedit(const Preedit& preedit);
  const Preedit& ShownPreedit() const { return preedit_; }
  // Where the composition's character at `offset` is drawn, in the widget's
  // coordinates; empty when nothing is composed.
  QRect PreeditRect(int offset) const;

  // While held, the scroll bars are not repainted for what moves them (a key
  // making a line longer, a line end typed); let go, they are, in a pass
  // after the text's.
  void HoldScrollBars();
  void LetScrollBarsGo();

  // True while the widget is being changed by its owner, not by a person.
  bool Applying() const { return applying_; }
  void SetApplying(bool applying) { applying_ = applying; }

  // A mouse button let go over the text: 1 left, 2 right, 4 middle.
  void SetOnMouseUp(std::function<void(int)> on_up) { on_mouse_up_ = std::move(on_up); }
  void SetOnResize(std::function<void()> on_resize) { on_resize_ = std::move(on_resize); }
  // Files dropped on the text: their local paths, whether the drop was a list
  // of files at all, and whether it lets them be copied.
  using FilesDropped = std::function<void(const QStringList& paths, bool file_list, bool copy_allowed)>;
  void SetOnFilesDropped(FilesDropped on_drop) { on_files_dropped_ = std::move(on_drop); }

  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  // How many times the text has been painted, and a pixel of the last paint
  // (in the viewport's coordinates).
  int Paints() const { return paints_; }
  QPoint LastPainted() const { return last_painted_; }

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  Preedit preedit_;
  // Where the one line of `block` ends (the caret's block, as laid out now);
  // negative when it is not one line.
  qreal OneLineRight(const QTextBlock& block) const;
  // What a change of the composition changed on the line that holds it,
  // laid out in `shown`: from its first changed character to the further of
  // the line's ends before and after, or all of `shown` where that cannot be
  // told.
  QRectF ChangedPart(const QTextBlock& block, const QRectF& shown, qreal right_before, int first_changed) const;
  // Runs `layout` (Qt laying the scroll bars and viewport out); what that
  // gave is remembered once the outermost one is done.
  template <typename Layout>
  auto LayOut(Layout layout);
  void ScrollRangeChanged();

  ScrollLayout laid_out_;  // as Qt last laid the scroll bars and viewport out
  bool laid_out_known_ = false;
  int laying_out_ = 0;  // layout events being handled, one inside another
  bool applying_ = false;
  bool own_preedit_ = false;  // the input-method event being handled is ours
  int paints_ = 0;
  QPoint last_painted_;
  std::function<void(int)> on_mouse_up_;
  std::function<void()> on_resize_;
  FilesDropped on_files_dropped_;
};

}  // namespace orvo::qt
