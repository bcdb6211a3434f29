// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include "app/main_window.h"
#include "app/program_windows.h"
#include "toolkit/window_utils/work_area.h"

namespace orvo {

Program::Program(Platform& p)
    : platform(p),
      keys(p.keyboard, state, *this),
      forms(p.windowing, p.screen),
      messages(p, values, forms),
      ports(*this),
      modes(state, keys, {*this, ports, ports, ports, ports}, {chords, conversion, ime}),
      conversion(state, keys, {*this, ports, ports, ports}, {modes, ime}),
      ime(state, keys, {*this, p.ime, ports, ports, ports}, {modes, conversion}),
      chords(state, keys, {*this, ports, ports, ports, ports, ports, text},
             {conversion, modes, ime}),
      text({*this, ports, ports, p.code_page, p.shell, *this}, {CurrentSettings, SavedSettings},
           {ime, [this](EditNotice notice) { hook.Notice(notice); }, true}),
      hook(state, {*this, p.keyboard, ports, ports, ports}, modes),
      dialogs(p.dialogs, messages, p.app),
      recent(*this, ports, messages, p.files, p.app),
      documents({*this, ports, messages, dialogs, p.files, p.file_code_pages, p.app, recent}),
      recovery({ports, documents, messages, p.files, p.app, p.timers, p.calendar, [this] { return ime.Composed(); }}),
      drops(*this, ports, messages, p.files, p.app, documents),
      windows(std::make_unique<ProgramWindows>(*this)),
      settings_file(p, messages, values),
      braille_font(p.font_files, p.files, messages, p.app.PathSeparator(), [this] { DoEvents(); }),
      finder(search, {[this]() -> EditControl& { return main_->ActiveTextBox(); },
                      [this](int owner, const ustring& said, MessageFlags asked) { messages.Ask(owner, said, asked); }}),
      edits({[this]() -> EditControl& { return main_->ActiveTextBox(); }, p.clipboard, p.calendar, p.shell}),
      context{p, forms, messages, *this, *this, flags, values, work_area, ports} {
  documents.SetOnSettled([this] { recovery.Settled(); });
}

Program::~Program() = default;

bool Program::Start() { return orvo::Main(platform, values, keys, *this); }

bool Program::Running() const {
  return main_ != nullptr && !main_->Closed() && !platform.app.Ended();
}

int Program::MSG_BOX(int owner, const ustring& message, int icon_and_buttons,
                     const ustring& caption) {
  return messages.MSG_BOX(owner, message, icon_and_buttons, caption);
}

void Program::DoEvents() { platform.windowing.DoEvents(); }

void Program::FocusTextBox() {
  // Braille typed into a box of the find dialog keeps the keyboard there.
  if (forms::TextBoxControl* box = windows ? windows->FindTypingBox() : nullptr) {
    box->SetFocus();
    return;
  }
  if (main_) main_->FocusTextBox();
}

void Program::ResetCapitalCount() { conversion.SetCapitalCount(0); }

bool Program::LoadSettings() { return settings_file.LoadSettings(SavedSettings, recent.History()); }

void Program::QueryWorkArea() {
  const WorkArea area =
      orvo::QueryWorkArea(platform.shell.TaskBarRect(), values.ScreenWidthPx, values.ScreenHeightPx,
                          values.TwipsPerPixelX, values.TwipsPerPixelY);
  work_area = {area.WorkAreaLeft, area.WorkAreaTop, area.WorkAreaWidth, area.WorkAreaHeight};
}

// The menu is made with the window: the history is shown as it is made.
void Program::SetUpRecentFilesMenu() {}

bool Program::SaveRecentFiles() { return settings_file.SaveRecentFiles(recent.Shown(), SavedSettings); }

void Program::SetWindowEnabled(WindowHandle window, bool enabled) {
  if (window == MainWindow::kTag && main_) main_->SetEnabled(enabled);
}

void Program::ShowMainWindow() {
  main_ = std::make_unique<MainWindow>(*this);
  recent.RefreshRecentFiles();
  main_->Load();
}

std::vector<ustring> Program::Listen() {
  if (!HasMainWindow() || main_->Closed()) return {};
  MainWindow& w = *main_;
  braille::HeardState now;
  now.braille_mode = state.BrailleMode;
  now.mode = w.lblMODE.Caption();
  now.cells = w.lblTENJI.Caption();
  // In braille mode the mirrors hold what the braille keys last saw; typed
  // romaji goes to the IME alone.
  now.composition = state.BrailleMode ? w.txtHEN.Text() : ime.Composed();
  now.candidate = ime.CandidateNumber();
  // Out of braille input only the IME knows it converts: by its candidate list.
  now.converting = braille::Converted(state.ConvStage) || now.candidate > 0;
  now.result = state.BrailleMode ? w.txtKAN.Text() : ime.Confirmed();
  now.text_revision = w.ActiveTextBox().Revision();
  std::vector<ustring> said = announcer_.Hear(now);
  said.insert(said.end(), reviewed_.begin(), reviewed_.end());
  reviewed_.clear();
  said.insert(said.end(), notices_.begin(), notices_.end());
  notices_.clear();
  said_.insert(said_.end(), said.begin(), said.end());
  return said;
}

void Program::ReviewAtCaret() {
  if (!HasMainWindow()) return;
  const EditControl& box = main_->ActiveTextBox();
  readings::ReadingOf reading_of;
  if (readings_ != nullptr) reading_of = [this](ustring_view line) { return readings_->ReadingOf(line); };
  reviewed_.push_back(
      review_.Press(box.Text(), box.SelStart(), box.SelLength(), platform.calendar.LocalMs(), reading_of));
}

}  // namespace orvo
