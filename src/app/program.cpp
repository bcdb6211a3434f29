#include "app/program.h"

#include "app/main_window.h"

namespace orvo {

Program::Program(Platform& p)
    : platform(p),
      keys(p.keyboard, state, *this),
      messages(p, values),
      modes(*this),
      conversion(*this),
      ime(*this),
      chords(*this),
      text(*this),
      hook(*this),
      windows(std::make_unique<NoSecondaryWindows>()) {}

Program::~Program() = default;

bool Program::Start() { return orvo::Main(platform, values, keys, *this); }

bool Program::Running() const { return main_ != nullptr && !main_->Closed() && !platform.app.Ended(); }

int Program::MSG_BOX(int owner, const ustring& message, int icon_and_buttons,
                     const ustring& caption) {
  return messages.MSG_BOX(owner, message, icon_and_buttons, caption);
}

void Program::DoEvents() { platform.windowing.DoEvents(); }

void Program::FocusTextBox() {
  if (main_) main_->FocusTextBox();
}

void Program::ResetCapitalCount() { conversion.SetCapitalCount(0); }

void Program::QueryWorkArea() {
  const int tx = values.TwipsPerPixelX;
  const int ty = values.TwipsPerPixelY;
  work_area = {0, 0, values.ScreenWidthPx * tx, values.ScreenHeightPx * ty};
}

void Program::ShowMainWindow() {
  main_ = std::make_unique<MainWindow>(*this);
  main_->Load();
}

}  // namespace orvo
