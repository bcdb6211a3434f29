#pragma once
// The IME of the document text box: one wrapper bound to it, the mirror of
// its composition into the main window's hidden boxes, re-typing a reading,
// and the IME switch.
#include <memory>

#include "braille/ime_wrapper.h"
#include "platform/text.h"

namespace orvo {
class Program;
}

namespace orvo::braille {

class ImeControl {
 public:
  explicit ImeControl(Program& program);
  ~ImeControl();

  void Create();   // binds a new wrapper to the current text box, unless one is alive
  void Release();  // drops the wrapper, releasing its context
  bool Alive() const { return ime_ && ime_->Alive(); }

  bool OpenStatus() const;  // a failed read counts as closed
  void Mirror();            // txtIN, txtHEN, txtOUT, txtKAN from the IME; ConvStage 0/1
  void RETURN_IME_STR(const ustring& reading);
  void CMD_IME(int n);

 private:
  void WantImeMode(int mode);  // sets the text box's IME mode, letting events run on a change
  void TypeRomaji(const ustring& romaji, bool shift);

  Program& p_;
  std::unique_ptr<ImeWrapper> ime_;
};

}  // namespace orvo::braille
