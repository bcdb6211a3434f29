// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the main window: asked first, then the program shut down.
#include "app/app_texts.h"
#include "app/main_window.h"
#include "app/program.h"

namespace orvo {

void MainWindow::OnQueryUnload(bool& cancel, forms::UnloadMode) {
  if (closed_) return;
  p_.windows->UnloadHelper();  // also when hidden by its own button
  if (p_.flags.DiagramsOpen) p_.windows->UnloadDiagrams();
  if (p_.flags.FindOpen) p_.windows->UnloadFind();
  p_.DoEvents();
  if (p_.state.BrailleMode) {
    p_.modes.CMD_TYPE(braille::TypeSwitch::kClosing);
    p_.DoEvents();
  }
  EditControl& box = ActiveTextBox();
  if (!box.Text().empty() && box.Modified()) {
    files::DocumentState& document = p_.documents.State();
    p_.documents.SaveBeforeDiscard(files::SaveMode::kAsk);
    if (document.SaveCancelled) {
      document.SaveCancelled = false;
      document.OpenFailed = false;
      cancel = true;
      if (Enabled()) FocusTextBox();
    }
    return;
  }
  const MessageResult answer = p_.messages.Ask(kTag, main_text::kExitQuestion, message::kConfirm, p_.platform.app.Title());
  if (answer == MessageResult::kCancel) {
    cancel = true;
    if (Enabled()) FocusTextBox();
  }
}

void MainWindow::OnUnload() { Shutdown(); }

void MainWindow::Shutdown() {
  // The text was saved, or the user agreed to let it go.
  p_.recovery.EndNormally();
  p_.DoEvents();
  p_.keys.RELEASE_HELD_KEYS();
  if (p_.hook.Installed()) {
    p_.hook.Remove();
    p_.DoEvents();
  }
  if (ActiveTextBox().ImeMode() != ime_mode::kOff) ActiveTextBox().SetImeMode(ime_mode::kOff);
  p_.DoEvents();
  p_.recent.RefreshRecentFiles();
  p_.SaveRecentFiles();
  p_.DoEvents();
  p_.ime.Release();
  if (p_.braille_font.BrailleFontRegistered) p_.braille_font.UnregisterBrailleFont();
  closed_ = true;
  p_.platform.app.End();
}

bool MainWindow::Close() {
  if (closed_) return true;
  return Form::Close() || closed_;
}

}  // namespace orvo
