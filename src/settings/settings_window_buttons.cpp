// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's buttons: apply and close, the factory defaults, back
// to the saved settings, and save.
#include <string>

#include "toolkit/window_utils/wait_cursor.h"
#include "settings/settings_choices.h"
#include "settings/settings_texts.h"
#include "settings/settings_window.h"

namespace orvo::settings {

void SettingsWindow::ApplyAndClose() {
  if (changed_) {
    p_.flags.SettingsApplied = true;
    s_.current = edit_;
    s_.boxes.SetFontResetEnabled(true);
  }
  p_.forms.Unload(*this);
}

void SettingsWindow::Defaults() {
  edit_ = kFactoryDefaults;
  ShowSaved();
  busy_ = true;
  SelectEntry(lstFONT, txtFONT, edit_.FontName);
  FixedSizeList();
  busy_ = false;
  SampleColours();
  SAMPLE_txtOUT(edit_.FontName, edit_.FontSize);
  lblPROPO.SetCaption(CHECK_ProPotion() ? text::kProportional : text::kFixedPitch);
  CHECK_DATA(0);
}

void SettingsWindow::Revert() {
  if (edit_ == s_.saved) {
    Message(text::kSameAsSaved, 48, p_.platform.app.Title());
    cmdRESET.SetEnabled(false);
    return;
  }
  edit_ = s_.saved;
  SampleColours();
  busy_ = true;
  SelectEntry(lstFONT, txtFONT, edit_.FontName);
  if (IsFixedSizeFont(edit_.FontName)) {
    FixedSizeList();
  } else if (!SelectEntry(lstSIZE, txtSIZE, FromUtf8(std::to_string(edit_.FontSize)))) {
    edit_.FontSize = kFixedFontSize;
  }
  busy_ = false;
  SAMPLE_txtOUT(edit_.FontName, edit_.FontSize);
  lblPROPO.SetCaption(CHECK_ProPotion() ? text::kProportional : text::kFixedPitch);
  CHECK_DATA(0);
  cmdOK.SetFocus();
}

void SettingsWindow::Save() {
  if (edit_ == s_.saved) {
    Message(text::kAlreadySaved, 48, p_.platform.app.Title());
    return;
  }
  // The saved values change only when they reached the file: a refused
  // write has told its failure, and everything stays as it was.
  WaitCursor wait(p_.platform.shell, p_.enabler);
  wait.Show(0);
  const bool written = s_.file.SaveSettings(edit_);
  wait.Hide();
  if (!written) return;
  s_.saved = edit_;
  Message(text::kSaved, 64, {});
  p_.flags.SettingsApplied = true;
  s_.current = edit_;
  ShowSaved();
  CHECK_DATA(0);
  cmdOK.SetFocus();
}

void SettingsWindow::Message(const ustring& message, int code, const ustring& caption) {
  p_.messages.MSG_BOX(kTag, message, code, caption);
}

}  // namespace orvo::settings
