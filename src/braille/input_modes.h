#pragma once
// Braille input on or off, the input mode inside it (kana, digits, letters),
// the mode display and the text box's IME mode that goes with each.
namespace orvo {
class Program;
}

namespace orvo::braille {

// Pictures of the main window's picture set used by the mode and IME buttons.
namespace picture {
inline constexpr int kMemo = 0;
inline constexpr int kRomajiMethod = 1;
inline constexpr int kBrailleMethod = 2;
inline constexpr int kImeAtLoad = 3;
inline constexpr int kImeOn = 4;
inline constexpr int kImeBraille = 5;
inline constexpr int kCover = 6;
}  // namespace picture

class InputModes {
 public:
  explicit InputModes(Program& program) : p_(program) {}

  // Toggles braille mode. Leaving it, any n but 0 gives the focus back to the text.
  void CMD_TYPE(int n);
  void SET_IME_MODE();
  void ModeLabelClick();

 private:
  void Enter();
  void Leave(int n);
  Program& p_;
};

}  // namespace orvo::braille
