// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shows an edit control model in the document widget and keeps the two in
// step. The model is the one source of the text: its changes go into the
// widget piece by piece as they happen; Sync() brings the selection, the
// scroll position and the looks across. From the widget only what a person
// or a screen reader does there comes back: a selection made with the mouse
// or by a reader, a scroll bar moved, the widget resized. Anything else that
// changes the widget's text is undone from the model.
//
// The widget holds one block per line: a CR LF pair is one block end there,
// and a lone CR or LF (or a character the widget would take as a break) is
// shown by a stand-in, so positions differ from the model's by the number of
// line breaks before them.
#include <QPointer>
#include <memory>

#include "platform/emulated/edit/edit_control_model.h"
#include "frontends/qt/document_edit.h"
#include "frontends/qt/preedit.h"

class QObject;
class QString;

namespace orvo::qt {

class EditMirror : public emu::EditObserver {
 public:
  explicit EditMirror(DocumentEdit& widget);
  ~EditMirror() override;
  EditMirror(const EditMirror&) = delete;
  EditMirror& operator=(const EditMirror&) = delete;

  // The model to show (null: none); the widget is filled from it at once.
  void Attach(emu::EditControlModel* model);
  emu::EditControlModel* Model() const { return model_; }
  DocumentEdit* Widget() const { return widget_.data(); }

  // The selection, the scroll position, colours, font, wrap, enabled and
  // visible, from the model into the widget (cheap when nothing changed).
  void Sync();
  // The composition at the model's caret (empty: none).
  void ShowComposition(const Preedit& preedit);

  // The visible area in double-byte columns and lines, from the widget's
  // viewport and font; SetViewSize resizes the widget to show that much.
  int ViewColumns() const;
  int ViewLines() const;
  void SetViewSize(int columns, int lines);
  // A one-line box (a dialog's) has no scroll bars.
  void SetSingleLine(bool single);

  // Positions between the model's text and the widget's document.
  int WidgetPos(int pos) const;
  int TextPos(int widget_pos) const;

  void TextReplaced(int start, int removed, int inserted) override;
  void TextReset() override;
  void ModelGone() override { model_ = nullptr; }

 private:
  QString Shown(int start, int end) const;  // the widget's form of [start, end) of the text
  void ShowAll();
  void ShowLooks();
  void ShowSelection();
  void ShowScroll();
  void KeepCaretLineShapes();
  void OnWidgetCursor();
  void OnWidgetScrolled();
  void OnWidgetChanged();
  void TellViewSize();
  int ColumnWidth() const;

  QPointer<DocumentEdit> widget_;
  std::unique_ptr<QObject> hooks_;  // holds the widget's connections: they end with the mirror
  emu::EditControlModel* model_ = nullptr;
  // What the widget was last given, so that Sync changes only what differs
  // and a signal of the widget's own can be told from a person's doing.
  int shown_anchor_ = -1;
  int shown_caret_ = -1;
  bool looks_shown_ = false;
  FontSpec font_;
  std::uint32_t back_colour_ = 0;
  std::uint32_t fore_colour_ = 0;
  bool wrap_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool check_pending_ = false;  // the widget's text changed by itself; compared soon
  bool single_line_ = false;
  int shapes_kept_block_ = -1;  // the block whose layout keeps its shaped text
};

}  // namespace orvo::qt
