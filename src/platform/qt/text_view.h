#pragma once
// The document text box on the screen: draws the emulated text box (text,
// caret, selection, scrolling, font and colours) with the IME composition in
// place, underlined, its focused clause marked, and the candidates beside it
// while converting. It holds no text of its own; the model is the one source.
// Screen readers read it through its accessible interface (text_view_accessible.h).
#include <QWidget>
#include <functional>

#include "platform/qt/text_layout.h"
#include "platform/qt/text_view_accessible.h"

namespace orvo::emu {
class TextBox;
}

namespace orvo::qt {

// The composition of a text box as the view draws it.
Preedit PreeditOf(const emu::TextBox& box);

class TextView : public QWidget {
  Q_OBJECT

 public:
  explicit TextView(QWidget* parent = nullptr);

  // The box to draw (null: none); repaints, and tells screen readers what
  // changed in its text or caret since the last time.
  void Show(emu::TextBox* box);
  emu::TextBox* Box() const { return box_; }
  // A mouse button released over the text: 1 left, 2 right, 4 middle.
  void SetOnMouseUp(std::function<void(int)> on_up) { on_mouse_up_ = std::move(on_up); }

  // Where the character at a text position is drawn (the caret's place at a
  // line's end), in the view's coordinates; empty without a box.
  QRect CharacterRect(int pos) const;
  // The text position drawn at a point of the view; -1 off the text.
  int PositionAt(const QPoint& point) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void TellViewSize();

  emu::TextBox* box_ = nullptr;
  std::function<void(int)> on_mouse_up_;
  ReaderEcho echo_;
};

}  // namespace orvo::qt
