#pragma once
// Six-key chord capture: in braille mode the main window sees every key
// before the text box; dot keys held together form one cell, closed when the
// last of them is released; other keys are remapped to editing keys,
// refused, passed through or swallowed. Also the text box's own key and
// mouse handlers, and the timer that shows deferred warnings.
namespace orvo {
class Program;
}

namespace orvo::braille {

class ChordCapture {
 public:
  explicit ChordCapture(Program& program) : p_(program) {}

  void FormKeyDown(int& key, int shift);
  void FormKeyUp(int& key, int shift);
  void TextKeyDown(int& key, int shift);
  void TextKeyUp(int& key, int shift);
  void TextMouseUp(int button);  // 1 left, 2 right
  void Timer1Tick();

  void RESET_TEN_KEYS();
  // ConvStage 0, the cell display emptied, the conversion reset.
  void DisplayReset();
  // The same, and Shift selection and the modifier pass-through ended.
  void FullDisplayReset();

 private:
  bool Pending() const;
  void Send(int key);  // an editing key for the IME, keeping ConvStage true
  void CloseChord(int& key);
  void BrailleKeyDown(int& key);
  bool FunctionKeyDown(int& key, int shift);  // true when the key was a function key
  void CheckImeChanged();
  void CloseMainWindow();
  void RefuseModifier(const char16_t* which);

  Program& p_;
};

}  // namespace orvo::braille
