#pragma once
// What the program does to the document text box: the status line figures,
// scrolling and caret moves from the braille keys.
#include <cstdint>

#include "platform/edit_control.h"
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
  long long ByteSize(const EditControl& box);

  Program& p_;
  // The last byte size worked out, and of which text: it is read on every key.
  const EditControl* sized_box_ = nullptr;
  std::uint64_t sized_revision_ = 0;
  long long sized_bytes_ = 0;
};

}  // namespace orvo::editing
