// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole program on a Linux desktop: the emulated desktop fed by the real
// keyboard and real time, drawn by Qt widgets. Modal loops take their input by
// running Qt's event loop until a key arrives.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "frontends/shared/emulated_system.h"
#include "platform/timer.h"
#include "frontends/script/script_view.h"
#include "frontends/qt/clock_ticker.h"
#include "frontends/qt/key_filter.h"
#include "frontends/qt/qt_clipboard.h"
#include "frontends/qt/qt_dialogs.h"
#include "frontends/qt/qt_font_metrics.h"
#include "frontends/qt/qt_font_registry.h"
#include "frontends/qt/qt_host.h"
#include "frontends/qt/qt_screen.h"
#include "frontends/qt/qt_shell.h"

namespace orvo::qt {

class MainView;
class FormViews;

struct QtSessionOptions {
  std::string folder;  // the program folder, which must exist
  // Where the program's fonts ship: none, the data folder beside the program; empty: nowhere.
  std::optional<std::string> font_folder;
  ustring command_line;
  bool kanji_conversion = true;
  bool learning = true;
  // The conversion engine; none: the settings file's, else mozc when usable.
  std::optional<emu::EngineChoice> engine;
  // The system code page, which new texts take; none: the settings file's, else the locale's.
  std::optional<emu::CodePage> code_page;
  // A person is there: standard messages wait for OK, modal loops wait for
  // keys and the clock follows real time. Off (tests): input has ended when
  // no key is waiting, and time moves only when told.
  bool interactive = true;
};

// The Qt front end's own parts, made before the system that uses them.
struct QtParts {
  QtParts(const std::string& folder, const ustring& command_line, const std::optional<std::string>& font_folder);
  QtHost host;
  QtScreen screen;
  QtShell shell;
  QtFontMetrics fonts;
  QtDialogs dialogs;
  QtClipboard clipboard;
  QtFontRegistry font_files;
};

class QtSession : public QtParts, public emu::EmulatedSystem {
 public:
  // A QApplication must exist.
  explicit QtSession(const QtSessionOptions& options);
  ~QtSession();
  QtSession(const QtSession&) = delete;
  QtSession& operator=(const QtSession&) = delete;

  // Start-up, then the main window shown; false when start-up refused.
  bool Start();

  // Tells whether a script still has steps to give: without a person
  // (not interactive), input ends only when no key waits and no script step is left.
  void SetScriptPending(std::function<bool()> pending) { script_pending_ = std::move(pending); }

  // A key from the person: queued, and run at once unless a modal loop is
  // taking the keys.
  void DeliverKey(const KeyEvent& event);
  // Ends the hold a key put on the main window's controls, and syncs them.
  void LetControlsGo();
  // After anything that may have changed the program: pending events, then a sync.
  void Settle();
  // Draws every model again.
  void Sync();

  // What a key script and a state dump read of the session now.
  script::ScriptView Observed();

  // Whether a person is there (real time, waiting modal loops).
  bool Interactive() const { return interactive_; }
  MainView* View() { return view_.get(); }
  // The views of the windows other than the main one (the message box, dialogs).
  FormViews& Views() { return *views_; }

 private:
  std::function<bool()> script_pending_;
  // Whether a window of the program other than the main one has the keyboard now.
  bool OwnWindowActive() const;
  bool PullInput();
  // Qt's word that the program became active or inactive.
  void Activation(bool active);
  // The keyboard left the program's windows a moment ago, while Qt held it inactive.
  void KeyboardSettled();

  // How long the keyboard may be between two of the program's windows.
  static constexpr int kKeyboardSettleMs = 100;

  bool interactive_;
  bool quitting_ = false;
  bool app_active_ = true;  // as the program last heard it
  bool qt_inactive_early_ = false;  // Qt called the program inactive, the keyboard being on it
  KeyFilter filter_;
  ClockTicker ticker_;
  Timer keyboard_settle_;
  std::unique_ptr<FormViews> views_;
  std::unique_ptr<MainView> view_;
};

}  // namespace orvo::qt
