#pragma once
// What the program does to the document text box: the status line figures,
// scrolling and caret moves from the braille keys.
#include "platform/text.h"

namespace orvo {
class Program;
class EditControl;
}

namespace orvo::editing {

// "#,###": thousands separators, "0" for zero.
ustring FormatThousands(long long value);
// The caret column in full-width character widths: 3 units read "1．5".
ustring FormatColumn(int dbcs_column);

class TextBoxServices {
 public:
  explicit TextBoxServices(Program& program) : p_(program) {}

  void UpdateStatus();
  void ScrollSideways(int key_code);   // comma scrolls 4 columns left, else right
  void ScrollLine(int key_code);       // C scrolls a line up, else down
  void CaretToLineEdge(int key_code);  // A to the line's start, else its end
  void CaretToTextEdge(bool end);
  // Moves the text to the other box of the pair (wrapping or not).
  void SwitchWordWrap();
  // Puts the saved appearance back on the text box.
  void ResetAppearance();

 private:
  EditControl& Box();
  Program& p_;
};

}  // namespace orvo::editing
