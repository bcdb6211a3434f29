// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmSPRUSH: the splash window at start-up and the version window from the
// help menu. At start-up it stands centred on the screen over the disabled
// main window; its OK button appears after 600 ms and takes the focus, so
// Enter or Space closes it. As the version window it stands over the main
// window with the button at once. Closing it gives the main window back.
#include "toolkit/forms/command_button_control.h"
#include "toolkit/forms/form.h"
#include "toolkit/forms/label_control.h"
#include "toolkit/forms/picture_box_control.h"
#include "toolkit/window_utils/colour.h"
#include "platform/timer.h"

namespace orvo {

class Program;

class SplashWindow : public forms::Form {
 public:
  static constexpr int kTag = 8;
  static constexpr int kButtonDelayMs = 600;

  explicit SplashWindow(Program& program);
  ~SplashWindow() override;

  // Loads the window, which shows itself as the splash or, once the program
  // has started, as the version window.
  void Open();

  // The desktop's button colour as the window last read it.
  Colour ButtonFace() const { return button_face_; }

  forms::PictureBoxControl picP;
  forms::CommandButtonControl cmdCLOSE;
  // The IME converting, as the IME names itself: which engine converts kana to kanji.
  forms::LabelControl lblIME;
  // The program's version, as the build stamped it on the data folder.
  forms::LabelControl lblVER;
  Timer TimerS;

 protected:
  void OnLoad() override;
  void OnClick(forms::Control& control) override;
  void OnQueryUnload(bool& cancel, forms::UnloadMode mode) override;

 private:
  void ME_BAK_GRADE();
  void ShowButton();
  void Centre(const forms::Form* over);

  Program& p_;
  Colour button_face_ = 0;
};

}  // namespace orvo
