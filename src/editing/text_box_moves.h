// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the braille keys ask of the document box beyond typing: the status
// line brought up to date, scrolling and caret moves.
namespace orvo::editing {

class TextBoxMoves {
 public:
  virtual ~TextBoxMoves() = default;
  virtual void UpdateStatus() = 0;
  virtual void ScrollSideways(int key_code) = 0;   // comma scrolls 4 columns left, else right
  virtual void ScrollLine(int key_code) = 0;       // C scrolls a line up, else down
  virtual void CaretToLineEdge(int key_code) = 0;  // A to the line's start, else its end
  virtual void CaretToTextEdge(bool end) = 0;
};

}  // namespace orvo::editing
