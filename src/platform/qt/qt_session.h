#pragma once
// A whole program on a Linux desktop: the emulated desktop fed by the real
// keyboard and real time, drawn by Qt widgets. Modal loops take their input by
// running Qt's event loop until a key arrives.
#include <memory>
#include <string>

#include "app/program.h"
#include "platform/emulated/desktop.h"
#include "platform/emulated/emulated_ime.h"
#include "platform/emulated/ime/conversion_engine.h"
#include "platform/emulated/system_code_page.h"
#include "platform/qt/clock_ticker.h"
#include "platform/qt/key_filter.h"
#include "platform/qt/qt_font_metrics.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/qt_screen.h"
#include "platform/qt/qt_shell.h"

namespace orvo::qt {

class MainView;
class FormViews;

struct QtSessionOptions {
  std::string folder;  // the program folder, which must exist
  ustring command_line;
  bool kanji_conversion = true;
  bool learning = true;
  // The system code page: the locale's charset, or CP932.
  bool locale_code_page = true;
  // A person is there: standard messages wait for OK, modal loops wait for
  // keys and the clock follows real time. Off (tests): input has ended when
  // no key is waiting, and time moves only when told.
  bool interactive = true;
};

class QtSession {
 public:
  // A QApplication must exist.
  explicit QtSession(const QtSessionOptions& options);
  ~QtSession();
  QtSession(const QtSession&) = delete;
  QtSession& operator=(const QtSession&) = delete;

  // Start-up, then the main window shown; false when start-up refused.
  bool Start();

  // A key from the person: queued, and run at once unless a modal loop is
  // taking the keys.
  void DeliverKey(const KeyEvent& event);
  // After anything that may have changed the program: pending events, then a sync.
  void Settle();
  // Draws every model again.
  void Sync();

  MainView* View() { return view_.get(); }
  // The views of the windows other than the main one (the message box, dialogs).
  FormViews& Views() { return *views_; }

  std::string engine_error;  // why kanji conversion is unavailable, if it is
  std::unique_ptr<emu::ConversionEngine> engine;  // outlives the text boxes
  QtHost host;
  QtScreen screen;
  QtShell shell;
  QtFontMetrics fonts;
  emu::IconvCodePage code_page;
  emu::Desktop desktop;
  emu::EmulatedIme ime;
  Platform platform;
  Program program;

 private:
  bool PullInput();

  bool interactive_;
  bool quitting_ = false;
  bool app_active_ = true;  // as the program last heard it
  KeyFilter filter_;
  ClockTicker ticker_;
  std::unique_ptr<FormViews> views_;
  std::unique_ptr<MainView> view_;
};

}  // namespace orvo::qt
