// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_window.h"

#include <algorithm>
#include <memory>

#include "app/app_texts.h"
#include "app/main_window.h"
#include "toolkit/picture_ids.h"
#include "app/program.h"
#include "toolkit/window_utils/gradients.h"
#include "braille/braille_menus.h"

namespace orvo {
namespace {

constexpr Rect kPicture{0, 0, kSplashWidth, kSplashHeight};
// Under the middle band, at the right, clear of the picture's words.
constexpr Rect kButton{219, 146, 72, 24};
// Left of the button, on the same line.
constexpr Rect kImeLine{8, 150, 205, 18};
// The top band's right, clear of the three cells.
constexpr Rect kVersionLine{150, 8, 141, 16};

// The version stamp of the data folder ("0.1"); empty without one.
ustring StampedVersion(const ProgramData& data) {
  ustring version = data.Text(kVersionStamp, 64).value_or(ustring());
  while (!version.empty() && (version.back() == u'\n' || version.back() == u'\r' || version.back() == u' ')) {
    version.pop_back();
  }
  return version;
}

}  // namespace

SplashWindow::SplashWindow(Program& program)
    : Form(program.forms, "frmSPRUSH"),
      picP(*this, "picP"),
      cmdCLOSE(*this, "cmdCLOSE"),
      lblIME(*this, "lblIME"),
      lblVER(*this, "lblVER"),
      TimerS(program.platform.timers, kButtonDelayMs, [this] { ShowButton(); }),
      p_(program) {
  SetTag(kTag);
  SetCaption(main_text::kSplashCaption);
  SetDescription(main_text::kSplashPicture);
  // A window without a frame: all of it is the picture.
  SetInsets({0, 0, 0, 0});
  SetCloseEnabled(false);
  SetStart(forms::StartPosition::kManual);  // it places itself
  picP.SetBounds(kPicture);
  picP.SetPicture(picture_id::kSplash);
  picP.SetToolTip(main_text::kSplashPicture);
  picP.SetAccessibleName(main_text::kSplashCaption);
  cmdCLOSE.SetCaption(main_text::kSplashButton);
  cmdCLOSE.SetContainer(&picP);
  cmdCLOSE.SetBounds(kButton);
  cmdCLOSE.SetFont({u"ＭＳ Ｐゴシック", 10, false});
  cmdCLOSE.SetVisible(false);
  cmdCLOSE.SetDefault(true);
  lblIME.SetContainer(&picP);
  lblIME.SetBounds(kImeLine);
  lblIME.SetFont({u"ＭＳ Ｐゴシック", 9, false});
  lblVER.SetContainer(&picP);
  lblVER.SetBounds(kVersionLine);
  lblVER.SetAlignment(forms::LabelControl::Alignment::kRight);
  lblVER.SetFont({u"ＭＳ Ｐゴシック", 9, false});
}

SplashWindow::~SplashWindow() = default;

void SplashWindow::Open() { p_.forms.Load(*this); }

void SplashWindow::OnLoad() {
  p_.flags.SplashOpen = true;
  p_.flags.MainHasFocus = false;
  const Size size = p_.values.Twips({kSplashWidth, kSplashHeight});
  Move({0, 0, size.width, size.height});
  button_face_ = p_.platform.shell.ButtonFace();
  ME_BAK_GRADE();
  cmdCLOSE.SetFont({cmdCLOSE.Font().name, p_.values.FontSize(10), false});
  lblIME.SetFont({lblIME.Font().name, p_.values.FontSize(9), false});
  ImeService& ime = p_.platform.ime;
  lblIME.SetCaption(main_text::kImeLine + ime.Description(ime.CurrentLayout()));
  lblVER.SetFont({lblVER.Font().name, p_.values.FontSize(9), false});
  const ustring version = StampedVersion(p_.platform.data);
  lblVER.SetCaption(version.empty() ? ustring() : main_text::kVersionLine + version);
  MainWindow& main = p_.Main();
  if (p_.flags.Started) {
    // The version window: over the main window, which waits for it.
    main.SetEnabled(false);
    Centre(&main);
    p_.forms.Show(*this, &main);
    ShowButton();
  } else {
    Centre(nullptr);
    TimerS.SetEnabled(true);
    p_.forms.Show(*this, &main);
  }
}

void SplashWindow::Centre(const forms::Form* over) { p_.forms.Centre(*this, over); }

void SplashWindow::ME_BAK_GRADE() {
  if (button_face_ == 0) return;
  const auto shades = SplashGradient(button_face_);
  cmdCLOSE.SetBackColor(shades[8]);
  picP.SetFace(std::make_shared<const Bitmap>(SplashBackground(button_face_)));
}

void SplashWindow::ShowButton() {
  TimerS.SetEnabled(false);
  cmdCLOSE.SetVisible(true);
  cmdCLOSE.SetFocus();
}

void SplashWindow::OnClick(forms::Control& control) {
  if (&control != &cmdCLOSE || !p_.forms.Unload(*this)) return;
  // Once it has gone, the main window takes the keyboard: its first
  // activation (a recovered text, a command-line file and their messages)
  // comes with no splash left on the screen.
  MainWindow& main = p_.Main();
  p_.forms.Activate(main);
  main.FocusTextBox();
}

void SplashWindow::OnQueryUnload(bool& cancel, forms::UnloadMode mode) {
  (void)cancel;
  (void)mode;
  TimerS.SetEnabled(false);
  MainWindow& main = p_.Main();
  if (!p_.flags.Started) {
    p_.flags.Started = true;
    main.cmdIME.SetPicture(picture_id::kImeOn);
  }
  p_.flags.SplashOpen = false;
  p_.flags.MainHasFocus = true;
  p_.flags.ReturnFromWindow = true;
  main.SetEnabled(true);
}

}  // namespace orvo
