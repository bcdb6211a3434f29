// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmSETING: the modal dialog where a person chooses the text's font, size,
// colour and background, sees them in a sample, and applies them to the
// editor, saves them, goes back to the saved values or to the factory ones.
// Worked entirely from the keyboard: the lists and swatches are in tab
// order (Space on a swatch clicks it, Enter opens the colour dialog for
// it), and F2-F5 do what the four buttons do.
#include <array>
#include <cstdint>

#include "toolkit/forms/command_button_control.h"
#include "toolkit/forms/form.h"
#include "toolkit/window_context.h"
#include "editing/document_boxes.h"
#include "files/text_dialogs.h"
#include "settings/settings_file.h"
#include "toolkit/forms/frame_control.h"
#include "toolkit/forms/label_control.h"
#include "toolkit/forms/list_box_control.h"
#include "toolkit/forms/option_button_control.h"
#include "toolkit/forms/text_box_control.h"
#include "toolkit/settings_record.h"


namespace orvo::settings {

// What the dialog works on beside its window: the settings in use and as
// saved, the settings file, the colour dialog, and the document's boxes.
struct SettingsPorts {
  SettingsRecord& current;
  SettingsRecord& saved;
  SettingsFile& file;
  files::TextDialogs& dialogs;
  editing::DocumentBoxes& boxes;
};

class SettingsWindow : public forms::Form {
 public:
  static constexpr int kTag = 2;

  SettingsWindow(const WindowContext& context, const SettingsPorts& ports);
  ~SettingsWindow() override;

  // Shows the dialog modally over the main window; returns when it has closed.
  void Run();

  // CHECK_DATA: 0 compares the working copy with the current settings, 1
  // marks it unchanged; then the buttons follow.
  void CHECK_DATA(int chn);
  // Whether the chosen font sets H, I and J at different widths.
  bool CHECK_ProPotion() const;
  // Redraws the sample; an empty name or a size of 0 keeps what it has.
  void SAMPLE_txtOUT(const ustring& name, int size);

  bool Changed() const { return changed_; }
  const SettingsRecord& Working() const { return edit_; }
  std::uint32_t Swatch(int index) const { return swatches_.at(static_cast<std::size_t>(index)); }

  forms::TextBoxControl txtFONT;
  forms::ListBoxControl lstFONT;
  forms::TextBoxControl txtSIZE;
  forms::ListBoxControl lstSIZE;
  forms::FrameControl fraCOLOR;
  std::array<forms::OptionButtonControl, 2> optCOLOR;  // 0 text colour, 1 background
  std::array<forms::LabelControl, 8> lblCOLOR;
  forms::LabelControl lblHINT;
  forms::LabelControl lblSAMPLE;
  forms::LabelControl lblPROPO;
  forms::FrameControl fraSAVED;
  std::array<forms::LabelControl, 4> lblDATA;
  std::array<forms::LabelControl, 2> lblCOLfb;
  forms::CommandButtonControl cmdRESET, cmdINIT, cmdSAVE, cmdOK;

 protected:
  void OnLoad() override;
  void OnActivate() override;
  void OnQueryUnload(bool& cancel, forms::UnloadMode mode) override;
  void OnClick(forms::Control& control) override;
  void OnDoubleClick(forms::Control& control) override;
  void OnGotFocus(forms::Control& control) override;
  void OnLostFocus(forms::Control& control) override;
  void OnKeyDown(int& key, int shift) override;
  void OnKeyUp(int& key, int shift) override;

 private:
  void FillSizes();
  void FixedSizeList();  // the single size a fixed-size font has
  // Selects the entry equal to `value` as the load does; false when none is.
  bool SelectEntry(forms::ListBoxControl& list, forms::TextBoxControl& shown, const ustring& value);
  void ShowSaved();
  void SampleColours();
  void FontClicked();
  void SizeClicked();
  void SwatchClicked(int index);
  void SwatchEdited(int index);
  void ApplyAndClose();
  void Defaults();
  void Revert();
  void Save();
  void Message(const ustring& text, int code, const ustring& caption);
  int SwatchIndex(const forms::Control& control) const;

  struct KeyCommand {
    int key;
    void (SettingsWindow::*command)();
  };
  static const KeyCommand kKeyCommands[];

  WindowContext p_;
  SettingsPorts s_;
  SettingsRecord edit_;  // the working copy: EditBackColor, EditForeColor, EditFontName, EditFontSize
  std::array<std::uint32_t, 8> swatches_{};
  bool changed_ = false;
  bool busy_ = false;
  bool size_list_fixed_ = false;
};

}  // namespace orvo::settings
