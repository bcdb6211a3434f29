// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/app_texts.h"
#include "app/main_window_design.h"
#include "toolkit/picture_ids.h"
#include "app/program.h"
#include "platform/keys.h"
#include "settings/settings_texts.h"

namespace orvo {
namespace {

// Reads back the text at the caret; no key map of braille input uses it.
constexpr int kReviewKey = vk::kF12;

}  // namespace

MainWindow::MainWindow(Program& program)
    : Form(program.forms, "frmMAIN"),
      text_boxes_{{{*this, "txtJOV", 0}, {*this, "txtJOV", 1}}},
      txtIN(*this, "txtIN"),
      txtHEN(*this, "txtHEN"),
      txtOUT(*this, "txtOUT"),
      txtKAN(*this, "txtKAN"),
      lblTENJI(*this, "lblTENJI"),
      lblMODE(*this, "lblMODE"),
      lblTURN(*this, "lblTURN"),
      lblBYTES(*this, "lblBYTES"),
      lblKETA(*this, "lblKETA"),
      lblGYO(*this, "lblGYO"),
      lblAllGYO(*this, "lblAllGYO"),
      lblFileSIZE(*this, "lblFileSIZE"),
      lblSTYLE{{{*this, "lblSTYLE", 0}, {*this, "lblSTYLE", 1}, {*this, "lblSTYLE", 2}, {*this, "lblSTYLE", 3}}},
      cmdMEMO(*this, "cmdMEMO"),
      cmdTYPE(*this, "cmdTYPE"),
      cmdIME(*this, "cmdIME"),
      cmdCOVER(*this, "cmdCOVER"),
      cmdTOOL(*this, "cmdTOOL"),
      picSTATUS(*this, "picSTATUS"),
      picCONER(*this, "picCONER"),
      picBAR(*this, "picBAR"),
      Timer1(program.platform.timers, 400, [&program] { program.chords.Timer1Tick(); }),
      p_(program) {
  SetTag(kTag);
  SetIcon(picture_id::kAppIcon);
  SetKeyPreview(true);
  SetStart(forms::StartPosition::kManual);
  SetInsets({4, 42, 4, 4});
  Move({0, 0, 580 * 15, 420 * 15});
  for (forms::TextBoxControl& box : text_boxes_) {
    box.SetMultiline(true);
    box.SetKeepsTab(true);
    box.SetDocument(true);
    box.Box().SetNoticeSink([&program](EditNotice notice) { program.hook.Notice(notice); });
  }
  text_boxes_[1].Box().SetWordWrap(true);
  text_boxes_[1].SetFont({u"ＭＳ Ｐゴシック", 9, false});
  text_boxes_[0].SetFont({u"ＭＳ ゴシック", 9, false});
  for (forms::TextBoxControl* mirror : {&txtIN, &txtHEN, &txtOUT, &txtKAN}) {
    mirror->SetVisible(false);
    mirror->SetTabStop(false);
  }
  // The keyboard stays with the text: the toolbar is worked by mouse and function keys.
  for (forms::CommandButtonControl* button : {&cmdMEMO, &cmdTYPE, &cmdIME, &cmdCOVER, &cmdTOOL}) {
    button->SetTabStop(false);
  }
  cmdMEMO.SetCaption(main_text::kMemoButton);
  cmdTYPE.SetCaption(main_text::kMethodButton);
  cmdIME.SetCaption(main_text::kImeButton);
  cmdCOVER.SetAccessibleName(main_text::kToolbarBlank);
  cmdTOOL.SetAccessibleName(main_text::kToolbarBlank);
  lblMODE.SetCaption(ustring(braille::text::kModeKana));
  lblMODE.SetAccessibleName(ustring(braille::text::kSpokenModeKana));
  lblTURN.SetCaption(main_text::kWrapNotice);
  lblTURN.SetVisible(false);
  lblBYTES.SetCaption(main_text::kBytes);
  for (std::size_t i = 0; i < lblSTYLE.size(); ++i) {
    lblSTYLE[i].SetCaption(main_text::kStatusHeadings[i]);
  }
  lblKETA.SetCaption(main_text::kZeroColumn);
  lblGYO.SetCaption(main_text::kZero);
  lblAllGYO.SetCaption(main_text::kZero);
  lblFileSIZE.SetCaption(main_text::kZero);
  picCONER.SetBounds({0, 0, 16, 16});
  PlaceDesignControls(*this);
  CreateMenus();
}

MainWindow::~MainWindow() { p_.documents.SetOnDiskFormChanged(nullptr); }

void MainWindow::InitFonts() {
  const ProgramValues& v = p_.values;
  const auto size = [&v](forms::Control& c, int nominal) {
    FontSpec f = c.Font();
    f.points = v.FontSize(nominal);
    c.SetFont(f);
  };
  size(lblTENJI, 18);
  size(lblMODE, 11);
  for (forms::Control* c : {&lblKETA, &lblGYO, &lblAllGYO, &lblFileSIZE}) size(*c, 10);
  for (forms::Control* c : {&lblTURN, &lblBYTES}) size(*c, 9);
  for (auto& label : lblSTYLE) size(label, 9);
}

void MainWindow::ApplySettings() {
  p_.CurrentSettings = p_.SavedSettings;
  const settings::SettingsRecord& s = p_.CurrentSettings;
  for (forms::TextBoxControl& box : text_boxes_) {
    box.SetBackColor(static_cast<std::uint32_t>(s.BackColor));
    box.SetForeColor(static_cast<std::uint32_t>(s.ForeColor));
    box.SetFont({s.FontName, s.FontSize, false});
  }
}

void MainWindow::Load() { p_.forms.Show(*this); }

void MainWindow::OnLoad() {
  Rect outer = OuterTwips();
  const Size first = p_.values.Twips({580, 420});
  outer.width = first.width;
  outer.height = first.height;
  Move(outer);
  p_.DoEvents();
  // The splash shows itself over the window, which waits for it to close.
  p_.windows->ShowSplash();
  p_.DoEvents();
  SetEnabled(false);
  SET_SYS_COL();
  active_ = 0;
  p_.ime.Create();
  // The document holds what a file may: its size on disk, counted as it would be saved.
  // Set again when the file's form changes: the boxes measure afresh.
  const auto measure_by_disk = [this] {
    for (forms::TextBoxControl& box : text_boxes_) {
      box.Box().SetLimitMeasure([this](ustring_view text) { return p_.documents.DiskSize(text); });
    }
  };
  for (forms::TextBoxControl& box : text_boxes_) box.Box().SetLimit(static_cast<int>(files::kMaxDocumentBytes));
  measure_by_disk();
  p_.documents.SetOnDiskFormChanged(measure_by_disk);
  InitFonts();
  ApplySettings();
  lblTENJI.SetFont({u"FixedSys", 14, false});
  picSTATUS.MoveTo(0, InnerPx().height - 18);
  lblBYTES.MoveTo(lblBYTES.Bounds().left, 2);
  picBAR.SetBounds({picBAR.Bounds().left, picBAR.Bounds().top, picBAR.Bounds().width, 29});
  lblMODE.MoveTo(lblMODE.Bounds().left, 4);
  cmdMEMO.SetPicture(picture_id::kMemo);
  cmdTYPE.SetPicture(picture_id::kRomajiMethod);
  cmdIME.SetPicture(picture_id::kImeAtLoad);
  cmdCOVER.SetPicture(picture_id::kCover);
  cmdTOOL.SetPicture(picture_id::kCover);
  cmdTOOL.MoveTo(kToolLeft, cmdTOOL.Bounds().top);
  Menu("mnuFONT_RESET").SetEnabled(false);
  Menu("mnuHELPER").SetEnabled(false);
  Menu("mnuHELP_BMP").SetEnabled(false);
  p_.state.ImeOpen = true;
  for (forms::TextBoxControl* mirror : {&txtIN, &txtHEN, &txtOUT, &txtKAN}) mirror->SetText(u"");
  // Shown centred on the screen; showing lays it out and activates it.
  outer = OuterTwips();
  const Size screen = p_.values.Twips({p_.values.ScreenWidthPx, p_.values.ScreenHeightPx});
  outer.left = (screen.width - outer.width) / 2;
  outer.top = (screen.height - outer.height) / 2;
  Move(outer);
}

void MainWindow::FirstActivation() {
  first_activated_ = true;
  // A text an earlier run left unsaved comes back before any file opens.
  p_.recovery.OfferAtStart();
  if (p_.values.OpenFromCommandLine) {
    p_.drops.OpenCommandLine(p_.values.CommandLine);
  } else if (p_.documents.State().Kind == files::DocumentKind::kNone) {
    p_.documents.StartNew();
  }
  p_.values.OpenFromCommandLine = false;
  p_.values.CommandLine.clear();
  SetToolWidth(InnerPx().width - cmdTOOL.Bounds().left);
  UseBrailleFont();
  p_.hook.Install();
  FocusTextBox();
}

void MainWindow::UseBrailleFont() {
  settings::BrailleFont& font = p_.braille_font;
  const ustring* failure = &main_text::kBrailleFontUnregistered;
  if (font.RegisterBrailleFont()) {
    p_.DoEvents();
    lblTENJI.SetFont({settings::text::kBrailleFontFace, 18, true});
    // A file that registers but brings no such face cannot draw the cells.
    if (p_.platform.font_files.HasFamily(settings::text::kBrailleFontFace)) return;
    failure = &main_text::kBrailleFontUnusable;
  }
  p_.messages.Ask(kTag, *failure, message::kWarning);
  lblTENJI.SetFont({u"FixedSys", 14, false});
  lblTENJI.SetVisible(false);
  // A font added for nothing is taken away at once rather than left to the end of the session.
  if (font.BrailleFontRegistered) font.UnregisterBrailleFont();
  font.BrailleFontRegistered = false;
}

void MainWindow::SetToolWidth(int width) {
  const Rect& b = cmdTOOL.Bounds();
  cmdTOOL.SetBounds({b.left, b.top, width, b.height});
}

void MainWindow::Activate() {
  // The window that is active already hears of the application coming back as well.
  if (p_.forms.ActiveForm() == this) {
    ActivationSteps();
  } else {
    p_.forms.Activate(*this);
  }
}

void MainWindow::OnActivate() { ActivationSteps(); }

void MainWindow::ActivationSteps() {
  if (closed_) return;
  if (!first_activated_) FirstActivation();
  p_.flags.MainHasFocus = true;
  if (p_.flags.ReturnFromWindow) {
    p_.flags.ReturnFromWindow = false;
    p_.conversion.RestoreComposition(braille::Restore::kReading);
  }
  p_.text.UpdateStatus();
  if (Enabled()) FocusTextBox();
  // Keys let go while another window had the keyboard never came up here: a
  // chord half held when it left is dropped, the latch's keys pressed again.
  if (p_.state.DotKeyCount != 0) p_.chords.RESET_TEN_KEYS();
  p_.keys.KeepLatch();
}

void MainWindow::OnResize() {
  if (resizing_) return;
  resizing_ = true;
  if (State() == WindowState::kMinimized) {
    if (p_.state.BrailleMode) {
      p_.modes.CMD_TYPE(braille::TypeSwitch::kMinimised);
      p_.DoEvents();
    }
    resizing_ = false;
    return;
  }
  if (State() == WindowState::kNormal) {
    // Each correction is a new size; the layout below then uses it.
    Rect outer = OuterTwips();
    if (auto snapped = SnapOuterSize(p_.values.Pixels({outer.width, outer.height}),
                                     {p_.values.ScreenWidthPx, p_.values.ScreenHeightPx})) {
      const Size twips = p_.values.Twips(*snapped);
      outer.width = twips.width;
      outer.height = twips.height;
      Move(outer);
    }
  }
  const MainLayout l = LayOut(State(), InnerPx(), WordWrap(), cmdTOOL.Bounds().left, picCONER.Bounds());
  text_rect_ = l.text;
  for (forms::TextBoxControl& box : text_boxes_) box.SetBounds(l.text);
  if (first_activated_ && p_.flags.MainHasFocus) FocusTextBox();
  picSTATUS.MoveTo(picSTATUS.Bounds().left, l.status_top);
  picCONER.MoveTo(l.corner.left, l.corner.top);
  picCONER.SetVisible(l.corner_visible);
  lblTURN.SetVisible(l.turn_visible);
  if (l.turn_visible) lblTURN.MoveTo(l.turn_left, l.turn_top);
  SetToolWidth(l.tool_width);
  resizing_ = false;
  p_.DoEvents();
}

void MainWindow::FocusTextBox() {
  if (closed_) return;
  TextBoxAt(active_).SetFocus();
}

bool MainWindow::IsDocumentBox(const forms::Control& control) const {
  return &control == &text_boxes_[0] || &control == &text_boxes_[1];
}

void MainWindow::OnKeyDown(int& key, int shift) {
  // The review key reads back, in braille input and out of it, and does nothing else.
  if (key == kReviewKey && !p_.state.SynthBusy) {
    key = 0;
    p_.ReviewAtCaret();
    return;
  }
  // A key that reaches the window itself (no control has the focus) passes the hook first.
  if (Focused() == nullptr) p_.hook.KeyDown(key);
  p_.chords.FormKeyDown(key, shift);
}

void MainWindow::OnKeyUp(int& key, int shift) {
  if (key == kReviewKey && !p_.state.SynthBusy) {
    key = 0;
    return;
  }
  p_.chords.FormKeyUp(key, shift);
}

void MainWindow::OnKeyRepeat(int& key, int) { p_.chords.FormKeyRepeat(key); }

void MainWindow::OnKeysLost() { p_.chords.DropHalfChord(); }

void MainWindow::OnControlKeyDown(forms::Control& control, int& key, int shift) {
  if (!IsDocumentBox(control)) return;
  p_.chords.TextKeyDown(key, shift);
  // The text box's own pop-up menu: Shift+F10 (braille mode's Z sends it) or the Applications key.
  const bool shift_only = (shift & (shift_mask::kShift | shift_mask::kCtrl | shift_mask::kAlt)) == shift_mask::kShift;
  if ((key == vk::kF10 && shift_only) || (key == vk::kApps && (shift & shift_mask::kAlt) == 0)) {
    key = 0;
    OpenPopup();
  }
}

void MainWindow::OnControlKeyUp(forms::Control& control, int& key, int shift) {
  if (IsDocumentBox(control)) p_.chords.TextKeyUp(key, shift);
}

void MainWindow::OnClick(forms::Control& control) {
  if (&control == &cmdMEMO) ClickMemo();
  if (&control == &cmdTYPE) ClickType();
  if (&control == &cmdIME) ClickIme();
  if (&control == &lblMODE) ClickMode();
}

// The toolbar's blank parts and the status line hand the keyboard straight back to the text.
void MainWindow::OnMouseDown(forms::Control& control, int) {
  const bool passes_focus = &control == &cmdCOVER || &control == &lblTURN || &control == &picCONER ||
                            &control == &picSTATUS || &control == &cmdTOOL ||
                            (control.Name() == "lblSTYLE" && &control.Owner() == this);
  if (!passes_focus) return;
  if (&control == &cmdTOOL && p_.state.BrailleMode) cmdTOOL.SetVisible(false);
  FocusTextBox();
}

void MainWindow::ClickMemo() { p_.windows->ShowMemo(); }

void MainWindow::ClickType() {
  FocusTextBox();
  p_.modes.CMD_TYPE(braille::TypeSwitch::kTypeButton);
}

void MainWindow::ClickIme() { p_.ime.CMD_IME(braille::ImeSwitch::kToggle); }

void MainWindow::ClickMode() { p_.modes.ModeLabelClick(); }

void MainWindow::TextMouseUp(int button) { p_.chords.TextMouseUp(button); }

void MainWindow::AppActivation(bool active) {
  p_.hook.ActivateApp(active);
  if (active) Activate();
}

}  // namespace orvo
