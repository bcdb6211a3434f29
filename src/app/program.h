// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running program: the program-wide values, the shared input state, and
// every module and window. The braille and editing modules reach the main
// window only through the narrow ports of MainWindowPorts.
#include <memory>

#include "toolkit/forms/forms_runtime.h"
#include "app/main_window_ports.h"
#include "toolkit/message_box.h"
#include "toolkit/program_values.h"
#include "app/secondary_windows.h"
#include "app/startup.h"
#include "toolkit/window_flags.h"
#include "toolkit/window_context.h"
#include "toolkit/window_utils/window_enabler.h"
#include "braille/announcer.h"
#include "platform/text_readings.h"
#include "readings/review_key.h"
#include "braille/cell_conversion.h"
#include "braille/chord_capture.h"
#include "braille/ime_control.h"
#include "braille/input_modes.h"
#include "braille/input_state.h"
#include "braille/key_synth.h"
#include "braille/window_hook.h"
#include "editing/edit_commands.h"
#include "editing/find_replace.h"
#include "editing/text_box_services.h"
#include "files/document_lifecycle.h"
#include "files/drop_open.h"
#include "files/recent_files.h"
#include "files/recovery_copy.h"
#include "files/text_dialogs.h"
#include "platform/platform.h"
#include "settings/braille_font.h"
#include "settings/settings_file.h"
#include "settings/settings_window.h"
#include "editing/find_window.h"
#include "toolkit/settings_record.h"

namespace orvo {

class MainWindow;

class Program final : public braille::KeySynthHost, public StartupSteps, public WindowEnabler {
 public:
  explicit Program(Platform& platform);
  ~Program() override;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Start-up: true when the main window was shown.
  bool Start();
  bool Running() const;

  // MSG_BOX with the main window as owner unless told otherwise.
  MessageResult MsgBox(const ustring& message, MessageFlags asked) override {
    return messages.Ask(1, message, asked);
  }
  int MSG_BOX(int owner, const ustring& message, int icon_and_buttons, const ustring& caption = {});
  void Say(const ustring& notice) override { notices_.push_back(notice); }

  // KeySynthHost
  void DoEvents() override;
  void FocusTextBox() override;
  void ResetCapitalCount() override;

  // StartupSteps: the ones that wait for their windows are no-ops for now.
  bool LoadSettings() override;
  void QueryWorkArea() override;
  void SetUpRecentFilesMenu() override;
  // The history shown in the menu, into the settings file; false when it could not be written.
  bool SaveRecentFiles();
  void ShowMainWindow() override;

  // WindowEnabler: the program's windows by handle (the main window's is its tag).
  void SetWindowEnabled(WindowHandle window, bool enabled) override;

  MainWindow& Main() { return *main_; }
  bool HasMainWindow() const { return main_ != nullptr; }

  Platform& platform;
  ProgramValues values;
  braille::InputState state;
  WindowFlags flags;
  braille::KeySynth keys;
  forms::FormsRuntime forms;  // every window of the program
  MessageBox messages;
  MainWindowPorts ports;  // the main window as the modules reach it
  braille::InputModes modes;
  braille::CellConversion conversion;
  braille::ImeControl ime;
  braille::ChordCapture chords;
  editing::TextBoxServices text;
  braille::WindowHook hook;
  files::TextDialogs dialogs;
  files::RecentFiles recent;
  files::DocumentLifecycle documents;
  files::RecoveryCopy recovery;  // the unsaved text, for the start after a crash
  files::DropOpen drops;
  std::unique_ptr<SecondaryWindows> windows;
  settings::SettingsRecord SavedSettings;
  settings::SettingsRecord CurrentSettings;
  settings::SettingsFile settings_file;
  settings::BrailleFont braille_font;
  WorkAreaTwips work_area;
  editing::SearchState search;  // find and replace's, for the whole run
  editing::FindReplace finder;
  editing::EditCommands edits;
  WindowContext context;  // what the secondary windows reach of the program

  // What the find and settings dialogs work on beside their windows.
  editing::FindPorts FindPortsOf() { return {search, finder, ports}; }
  settings::SettingsPorts SettingsPortsOf() {
    return {CurrentSettings, SavedSettings, settings_file, dialogs, ports};
  }

  // What a screen reader is to say about the input just handled; a front end
  // asks after each input event and presents it as its readers expect.
  std::vector<ustring> Listen();
  // Everything said so far, in order.
  const std::vector<ustring>& Said() const { return said_; }
  // The review key (F12): the character at the caret or the selection
  // described, the line when pressed again at once; said with the next Listen.
  void ReviewAtCaret();
  // Where the review key finds a line's reading; none: it describes the line.
  void SetTextReadings(TextReadings* readings) { readings_ = readings; }

 private:
  std::unique_ptr<MainWindow> main_;
  braille::Announcer announcer_;
  std::vector<ustring> notices_;  // said with the next Listen, after what changed
  readings::ReviewKey review_;
  TextReadings* readings_ = nullptr;
  std::vector<ustring> reviewed_;  // what the review key asked to say
  std::vector<ustring> said_;
};

}  // namespace orvo
