// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window_ports.h"

#include "app/main_window.h"
#include "app/main_window_layout.h"
#include "app/program.h"
#include "braille/announcer.h"

namespace orvo {

MainWindow& MainWindowPorts::W() const { return p_.Main(); }

const ustring& MainWindowPorts::Cells() const { return W().lblTENJI.Caption(); }
void MainWindowPorts::ShowCells(const ustring& cells) {
  // Shown as Braille ASCII; readers get the dots ("B" is テン 1 2, and "&" no access key).
  W().lblTENJI.SetCaption(cells);
  W().lblTENJI.SetAccessibleName(braille::SpokenCells(cells));
}
void MainWindowPorts::ShowMode(const ustring& caption) {
  W().lblMODE.SetCaption(caption);
  W().lblMODE.SetAccessibleName(braille::SpokenMode(caption));
}

void MainWindowPorts::SetDisplayTips(const ustring& mode_tip, const ustring& cells_tip) {
  W().lblMODE.SetToolTip(mode_tip);
  W().lblTENJI.SetToolTip(cells_tip);
}

forms::TextBoxControl& MainWindowPorts::Mirror(braille::MirrorBox box) const {
  MainWindow& w = W();
  switch (box) {
    case braille::MirrorBox::kReading:
      return w.txtIN;
    case braille::MirrorBox::kComposed:
      return w.txtHEN;
    case braille::MirrorBox::kResultReading:
      return w.txtOUT;
    case braille::MirrorBox::kResult:
      break;
  }
  return w.txtKAN;
}

const ustring& MainWindowPorts::MirrorText(braille::MirrorBox box) const {
  return Mirror(box).Text();
}

void MainWindowPorts::SetMirrorText(braille::MirrorBox box, const ustring& text) {
  Mirror(box).SetText(text);
}

void MainWindowPorts::ShowBrailleMenus(bool braille) {
  MainWindow& w = W();
  w.Menu("mnuHELP").SetVisible(!braille);
  w.Menu("mnuT_HELP_BMP").SetVisible(braille);
  w.Menu("mnuT_HELPER").SetVisible(braille);
  w.Menu("mnuEXIT").SetVisible(!braille);
}

void MainWindowPorts::SetMethodPicture(int picture) { W().cmdTYPE.SetPicture(picture); }
void MainWindowPorts::SetImePicture(int picture) { W().cmdIME.SetPicture(picture); }
void MainWindowPorts::SetCoverVisible(bool visible) { W().cmdCOVER.SetVisible(visible); }
void MainWindowPorts::SetToolVisible(bool visible) { W().cmdTOOL.SetVisible(visible); }

EditControl& MainWindowPorts::ActiveTextBox() { return W().ActiveTextBox(); }
EditControl& MainWindowPorts::TypingBox() {
  if (forms::TextBoxControl* box = p_.windows->FindTypingBox()) return box->Box();
  return W().ActiveTextBox();
}
bool MainWindowPorts::WindowEnabled() const { return W().Enabled(); }
bool MainWindowPorts::WindowMinimized() const { return W().Minimized(); }
void MainWindowPorts::CloseWindow() { W().Close(); }

bool MainWindowPorts::FindOpen() const { return p_.flags.FindOpen; }
bool MainWindowPorts::FindHasKeyboard() const { return p_.windows->FindTypingBox() != nullptr; }
bool MainWindowPorts::HelperOpen() const { return p_.flags.HelperOpen; }
bool MainWindowPorts::DiagramsOpen() const { return p_.flags.DiagramsOpen; }
void MainWindowPorts::ShowHelper() { p_.windows->ShowHelper(); }
void MainWindowPorts::UnloadHelper() { p_.windows->UnloadHelper(); }
void MainWindowPorts::ShowDiagrams() { p_.windows->ShowDiagrams(); }
void MainWindowPorts::UnloadDiagrams() { p_.windows->UnloadDiagrams(); }
void MainWindowPorts::ShowMemo() { p_.windows->ShowMemo(); }
void MainWindowPorts::ActivateFind() { p_.windows->ActivateFind(); }
void MainWindowPorts::UnloadFind() { p_.windows->UnloadFind(); }

void MainWindowPorts::SetWarningTimer(bool running) { W().Timer1.SetEnabled(running); }

EditControl& MainWindowPorts::DocumentBox(int index) { return W().txtJOV(index); }
int MainWindowPorts::ActiveBoxIndex() const { return W().ActiveIndex(); }
void MainWindowPorts::SetActiveBoxIndex(int index) { W().SetActiveIndex(index); }
void MainWindowPorts::SetBoxVisible(int index, bool visible) {
  W().TextBoxAt(index).SetVisible(visible);
}
void MainWindowPorts::SetBoxBackColor(int index, std::uint32_t colour) {
  W().TextBoxAt(index).SetBackColor(colour);
}
void MainWindowPorts::SetBoxForeColor(int index, std::uint32_t colour) {
  W().TextBoxAt(index).SetForeColor(colour);
}
void MainWindowPorts::SetBoxFont(int index, const FontSpec& font) {
  W().TextBoxAt(index).SetFont(font);
}
void MainWindowPorts::SetWrapNoticeVisible(bool visible) {
  MainWindow& w = W();
  // Shown, it stands on the status line where the layout puts it (a minimised window keeps its place).
  if (visible && !w.Minimized()) {
    const MainLayout l = LayOut(w.State(), w.InnerPx(), true, w.cmdTOOL.Bounds().left, w.picCONER.Bounds());
    w.lblTURN.MoveTo(l.turn_left, l.turn_top);
  }
  w.lblTURN.SetVisible(visible);
}
void MainWindowPorts::SetFontResetEnabled(bool enabled) {
  W().Menu("mnuFONT_RESET").SetEnabled(enabled);
}
WindowHandle MainWindowPorts::DocumentWindowTag() const { return MainWindow::kTag; }

void MainWindowPorts::ShowStatus(const editing::StatusFigures& figures) {
  MainWindow& w = W();
  // Only a figure that changed is told on: an unchanged status line costs a key nothing.
  const std::pair<forms::LabelControl*, const ustring*> shown[] = {
      {&w.lblKETA, &figures.column}, {&w.lblGYO, &figures.line},
      {&w.lblAllGYO, &figures.lines}, {&w.lblFileSIZE, &figures.bytes}};
  bool changed = false;
  for (const auto& [label, figure] : shown) {
    if (label->Caption() == *figure) continue;
    label->SetCaption(*figure);
    changed = true;
  }
  const std::optional<ustring>& named = w.picSTATUS.GivenAccessibleName();
  if (!changed && named && !named->empty()) return;
  // Read as one sentence: each caption with its figure (made once, in one piece of memory).
  ustring sentence;
  sentence.reserve(96);
  sentence.append(w.lblSTYLE[0].Caption()).append(figures.bytes).append(w.lblBYTES.Caption()).append(1, u' ');
  sentence.append(w.lblSTYLE[1].Caption()).append(figures.lines).append(1, u' ');
  sentence.append(w.lblSTYLE[2].Caption()).append(figures.line).append(1, u' ');
  sentence.append(w.lblSTYLE[3].Caption()).append(figures.column);
  w.picSTATUS.SetAccessibleName(std::move(sentence));
}

bool MainWindowPorts::WordWrap() const { return W().WordWrap(); }

bool MainWindowPorts::TurnWordWrapOff() {
  if (!W().WordWrap()) return true;
  const bool done = p_.text.SwitchWordWrap() && !W().WordWrap();
  W().Menu("mnuWORD_TURN").SetChecked(W().WordWrap());
  return done;
}

void MainWindowPorts::SetCaption(const ustring& caption) { W().SetCaption(caption); }

ustring MainWindowPorts::RecentCaption(int index) const { return W().RecentItem(index).Caption(); }

void MainWindowPorts::SetRecentCaption(int index, const ustring& caption) { W().RecentItem(index).SetCaption(caption); }

void MainWindowPorts::SetRecentVisible(int index, bool visible) { W().RecentItem(index).SetVisible(visible); }

bool MainWindowPorts::BrailleMode() const { return p_.state.BrailleMode; }
void MainWindowPorts::FormKeyDown(int& key, int shift) { p_.chords.FormKeyDown(key, shift); }
void MainWindowPorts::FormKeyUp(int& key, int shift) { p_.chords.FormKeyUp(key, shift); }
void MainWindowPorts::FormKeyRepeat(int& key) { p_.chords.FormKeyRepeat(key); }
void MainWindowPorts::DropHalfChord() { p_.chords.DropHalfChord(); }
void MainWindowPorts::TextKeyDown(int& key, int shift) { p_.chords.TextKeyDown(key, shift); }
void MainWindowPorts::TextKeyUp(int& key, int shift) { p_.chords.TextKeyUp(key, shift); }

forms::Form& MainWindowPorts::OwnerForm() { return W(); }
void MainWindowPorts::ActivateOwner() { W().Activate(); }
forms::TextBoxControl& MainWindowPorts::DocumentControl() { return W().TextBoxAt(W().ActiveIndex()); }
void MainWindowPorts::ResetDotKeys() { p_.chords.RESET_TEN_KEYS(); }

}  // namespace orvo
