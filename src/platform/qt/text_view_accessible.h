#pragma once
// Screen readers read the document through the text view, which draws the
// text itself: an accessible editable-text interface over the view's text box,
// and the events that tell a reader the text or the caret changed. A reader
// gets the text with each CR LF as one line feed, and offsets counting the
// UTF-16 characters of that text; lines are the text box's lines.
#include <QAccessibleWidget>

#include "platform/text.h"

namespace orvo::qt {

class TextView;

// The document as a reader gets it, and positions between the two.
ustring ReaderText(ustring_view text);
int ReaderOffset(ustring_view text, int pos);     // a text position, as an offset
int TextPosition(ustring_view text, int offset);  // an offset, as a text position (clamped)

// Lets Qt make the interface below for every text view; once is enough.
void InstallTextViewAccessibility();

// Hears the text views' change events besides Qt's accessibility, which only
// passes them on while a platform reader is active (null: none). Returns the
// listener it replaces.
using ReaderListener = void (*)(QAccessibleEvent* event);
ReaderListener SetReaderListener(ReaderListener listener);

class TextViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TextViewAccessible(TextView* view);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;
  QString text(QAccessible::Text type) const override;

  void selection(int selection_index, int* start_offset, int* end_offset) const override;
  int selectionCount() const override;
  void addSelection(int start_offset, int end_offset) override;
  void removeSelection(int selection_index) override;
  void setSelection(int selection_index, int start_offset, int end_offset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int start_offset, int end_offset) const override;
  // Lines and paragraphs are the text box's lines, ending after their line
  // feed; characters, words and sentences are Unicode's.
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start_offset,
                           int* end_offset) const override;
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start_offset,
                          int* end_offset) const override;
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start_offset,
                       int* end_offset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int start_index, int end_index) override;
  QString attributes(int offset, int* start_offset, int* end_offset) const override;

 private:
  TextView& View() const;
  const ustring& Text() const;
  // A reader may move the caret, but not while a composition is open at it.
  bool Selectable() const;
  void Select(int anchor_offset, int caret_offset);
  // The line holding offset, as [start, end) offsets with its line feed.
  void LineAt(int offset, int* start_offset, int* end_offset) const;
};

// Tells readers what changed since the last call: the text, as one changed
// stretch, then the caret and the selection. Keeps the text it last told, so
// an unchanged text costs one comparison; nothing is kept or compared while
// neither a reader nor a listener is there.
class ReaderEcho {
 public:
  void Tell(QObject* view, const ustring& text, int anchor, int caret);

 private:
  void TellText(QObject* view, const ustring& text);

  bool known_ = false;
  ustring told_;
  int anchor_ = 0;
  int caret_ = 0;
  int caret_offset_ = 0;
};

}  // namespace orvo::qt
