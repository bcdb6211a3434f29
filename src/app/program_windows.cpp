// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_windows.h"

#include "app/main_window.h"
#include "app/program.h"
#include "app/splash_window.h"
#include "editing/find_window.h"
#include "help/diagrams_window.h"
#include "help/helper_window.h"
#include "help/memo_window.h"

namespace orvo {

ProgramWindows::ProgramWindows(Program& program) : p_(program) {}
ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::ShowHelper() {
  if (help::HelperWindow* w = Helper(); w != nullptr && w->Visible()) {
    p_.forms.Activate(*w);
    return;
  }
  // Hidden by its own button it keeps its place, size and scroll position;
  // once unloaded the next opening starts from a new one.
  if (helper_ && !helper_->Loaded()) helper_.reset();
  if (!helper_) helper_ = std::make_unique<help::HelperWindow>(p_.context);
  helper_->Open();
}

void ProgramWindows::UnloadHelper() {
  if (help::HelperWindow* w = Helper()) p_.forms.Unload(*w);
}

void ProgramWindows::ShowDiagrams() {
  // Each opening starts again from the overview.
  if (diagrams_ && diagrams_->Loaded()) return;
  diagrams_ = std::make_unique<help::DiagramsWindow>(p_.context);
  diagrams_->Open();
}

void ProgramWindows::UnloadDiagrams() {
  if (help::DiagramsWindow* w = Diagrams()) p_.forms.Unload(*w);
}

void ProgramWindows::ShowMemo() {
  if (memo_ && memo_->Loaded()) return;
  MainWindow& main = p_.Main();
  p_.flags.MenuBrailleMode = p_.state.BrailleMode;
  if (p_.state.BrailleMode) p_.modes.CMD_TYPE(braille::TypeSwitch::kFileMenu);
  memo_ = std::make_unique<help::MemoWindow>(p_.context);
  memo_->Open();
  p_.DoEvents();
  if (p_.flags.MenuBrailleMode) {
    p_.modes.CMD_TYPE(braille::TypeSwitch::kFileMenu);
    p_.DoEvents();
    if (!main.txtIN.Text().empty()) p_.conversion.RestoreComposition(braille::Restore::kReading);
  }
  main.FocusTextBox();
}

void ProgramWindows::ShowFind(int mode) {
  // An unloaded dialog is discarded: the next opening starts from a new one.
  // A closed window may still be inside its own handler (a box it raised, keys
  // there that closed and reopened it): it is kept until the program ends.
  if (find_ && !find_->Loaded()) retired_find_.push_back(std::move(find_));
  if (!find_) find_ = std::make_unique<editing::FindWindow>(p_.context, p_.FindPortsOf());
  find_->Open(mode);
}

void ProgramWindows::ActivateFind() {
  if (editing::FindWindow* w = Find()) w->ActivateSearchBox();
}

void ProgramWindows::UnloadFind() {
  if (editing::FindWindow* w = Find()) p_.forms.Unload(*w);
}

void ProgramWindows::ShowSplash() {
  if (splash_ && !splash_->Loaded()) splash_.reset();
  if (!splash_) splash_ = std::make_unique<SplashWindow>(p_);
  splash_->Open();
}

SplashWindow* ProgramWindows::Splash() const { return splash_ && splash_->Loaded() ? splash_.get() : nullptr; }

forms::TextBoxControl* ProgramWindows::FindTypingBox() const {
  editing::FindWindow* find = Find();
  if (find == nullptr || p_.forms.ActiveForm() != find) return nullptr;
  for (forms::TextBoxControl* box : {&find->txtFIND, &find->txtREPLACE}) {
    if (find->Focused() == box && box->Enabled()) return box;
  }
  return nullptr;
}

editing::FindWindow* ProgramWindows::Find() const { return find_ && find_->Loaded() ? find_.get() : nullptr; }
help::HelperWindow* ProgramWindows::Helper() const { return helper_ && helper_->Loaded() ? helper_.get() : nullptr; }
help::DiagramsWindow* ProgramWindows::Diagrams() const {
  return diagrams_ && diagrams_->Loaded() ? diagrams_.get() : nullptr;
}

}  // namespace orvo
