// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's colours: its background and status line in the
// desktop's button colour, and the toolbar buttons' gradient faces.
#include <memory>

#include "app/main_window.h"
#include "app/program.h"
#include "toolkit/window_utils/gradients.h"

namespace orvo {

void MainWindow::SET_SYS_COL() {
  ButtonFace = p_.platform.shell.ButtonFace();
  if (ButtonFace == 0) ButtonFace = kFallbackButtonFace;
  SetBackColor(ButtonFace);
  picSTATUS.SetBackColor(ButtonFace);
  BTN_BAK_GRADE();
}

void MainWindow::BTN_BAK_GRADE() {
  if (ButtonFace == 0) return;
  // One face per button, as wide as the button; the filler's reaches the
  // screen's right edge, so it serves whatever width the toolbar gets.
  forms::CommandButtonControl* const sized[] = {&cmdMEMO, &cmdTYPE, &cmdIME, &cmdCOVER};
  for (forms::CommandButtonControl* button : sized) {
    button->SetFace(std::make_shared<const Bitmap>(ButtonFaceImage(ButtonFace, button->Bounds().width)));
  }
  const int filler = p_.values.ScreenWidthPx - cmdTOOL.Bounds().left - 8;
  cmdTOOL.SetFace(std::make_shared<const Bitmap>(ButtonFaceImage(ButtonFace, filler)));
  picCONER.SetBackColor(ButtonFace);
}

}  // namespace orvo
