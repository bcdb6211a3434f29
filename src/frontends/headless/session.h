// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole program on the emulated desktop, without a screen: what the tests,
// the benchmarks and the script runner drive.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "frontends/shared/emulated_system.h"
#include "frontends/headless/headless_fonts.h"
#include "frontends/headless/headless_host.h"
#include "frontends/headless/headless_screen.h"
#include "frontends/headless/headless_shell.h"
#include "frontends/headless/headless_menu.h"
#include "frontends/headless/session_target.h"
#include "frontends/script/key_script.h"
#include "frontends/script/script_player.h"
#include "frontends/script/scripted_dialogs.h"

namespace orvo::headless {

using script::ControlRef;
using script::ScriptStep;

struct SessionOptions {
  // Kana-kanji conversion by anthy; off: the IME offers the reading's kana only.
  bool kanji_conversion = false;
  // anthy learns from the user's choices, in the program folder.
  bool learning = false;
  // The conversion dictionary; empty for the one installed.
  std::string dictionary;
  // The system code page, which new texts take (scripts count bytes alike
  // everywhere unless told otherwise); none: the settings file's, else the locale's.
  std::optional<emu::CodePage> code_page = emu::CodePage::kCp932;
  // The braille font: the folder the program's fonts ship in (none: the
  // build's data folder; empty: nowhere), and whether the system has it installed.
  std::optional<std::string> font_folder;
  bool font_installed = false;
  // The program's data folder; empty: the one beside the running program.
  std::string data_folder;
  // The conversion engine; none: the settings file's, else anthy (scripts
  // convert the same everywhere unless told otherwise).
  std::optional<emu::EngineChoice> engine;
};

// The headless front end's own parts, made before the system that uses them.
struct HeadlessParts {
  HeadlessParts(const std::string& folder, const ustring& command_line);
  HeadlessScreen screen;
  HeadlessShell shell;
  HeadlessFontMetrics fonts;
  HeadlessHost host;
  script::ScriptedDialogs dialogs;
  HeadlessFonts font_files;
};

class Session : public HeadlessParts, public emu::EmulatedSystem {
 public:
  // folder: the program folder, which must exist.
  explicit Session(const std::string& folder, const ustring& command_line = {},
                   const SessionOptions& options = {});
  ~Session();

  // Runs start-up, then closes the start-up splash as a person does (the
  // shared prelude); false when start-up refused.
  bool Start();
  // Runs start-up only: the splash stands over the disabled main window.
  bool StartAtSplash();
  // Runs start-up, the prelude and then the script's steps from `from` on as
  // its input (a message box at the first activation takes them).
  bool Start(const std::vector<ScriptStep>& steps, std::size_t from = 0);

  // Real keys, one event at a time, each run to the end as a person's would be.
  void Press(std::uint8_t vk);
  void Release(std::uint8_t vk);
  void Tap(std::uint8_t vk);
  // A key event as a window system may deliver it: a repeat's, a lost key's.
  void Post(const KeyEvent& event) { Deliver(event); }
  void Chord(std::string_view keys);  // "FDS": all down in order, then all up in order
  void Wait(long long ms);
  // A control named as a script names it (cmdTYPE, frmMsgEx.cmdBTN[1]); false
  // when no loaded form has it.
  bool Click(const std::string& target);
  bool Click(const ControlRef& target);
  forms::Control* FindControl(const ControlRef& ref);
  bool Menu(const std::string& item);
  void ResizeOuter(int width_px, int height_px);
  void MoveOuter(int left_px, int top_px);
  void SetState(WindowState state);
  void Activation(bool active);

  // Key storms type into dialogs they cannot answer: those are then cancelled
  // instead of stopping the run.
  void CancelUnansweredDialogs(bool cancel) { player_.CancelUnansweredDialogs(cancel); }
  // Asked for a key when the input has run out while a modal window waits
  // (a soak answers the boxes its keys raised); nothing: the window closes unanswered.
  void SetModalAnswer(std::function<std::optional<KeyEvent>()> answer) { modal_answer_ = std::move(answer); }
  // Told of each step once the input before the next one has been handled
  // (a soak watches the state step by step).
  void SetStepWatch(std::function<void(const ScriptStep&)> watch) { step_watch_ = std::move(watch); }

  // Runs a parsed script. Modal windows take the following steps as their input.
  void Run(const std::vector<ScriptStep>& steps);
  // A restart step stopped the run: the program is to be killed where it
  // stands and a new one started in its folder, going on with the steps from
  // `next`, with `file` (in the program folder; empty: none) on its command line.
  using Restart = script::ScriptPlayer::Restart;
  const std::optional<Restart>& Restarting() const { return player_.Restarting(); }
  // True when the input of the last run ended while a modal window still waited.
  bool EndedInModal() const { return ended_in_modal_; }
  // The step that stopped the run: an expectation that did not hold, or a
  // click on a control that is not there.
  using Failure = script::ScriptPlayer::Failure;
  const std::optional<Failure>& Failed() const { return player_.Failed(); }

  MainWindow& Main() { return program.Main(); }
  const ustring& Text() { return program.Main().ActiveTextBox().Text(); }
  // What expect lines and the state dump read now.
  script::ScriptView View();

 private:
  void Deliver(const KeyEvent& event);
  bool PullStep();
  void Continue();

  HeadlessMenu menu_;
  SessionTarget target_;
  script::ScriptPlayer player_;
  bool ended_in_modal_ = false;
  std::function<std::optional<KeyEvent>()> modal_answer_;
  std::function<void(const ScriptStep&)> step_watch_;
};

}  // namespace orvo::headless
