// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole program on Windows: the real system under every platform
// interface (the message queue and the key router, SendInput and
// GetKeyState, IMM32, the EDIT control, window timers, files and code
// pages), drawn by native windows.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/program.h"
#include "frontends/script/script_view.h"
#include "frontends/shared/data_files.h"
#include "frontends/win32/accessible_names.h"
#include "frontends/win32/gdi_font_registry.h"
#include "frontends/win32/gdi_fonts.h"
#include "frontends/win32/local_calendar.h"
#include "frontends/win32/native_windowing.h"
#include "frontends/win32/win32_clipboard.h"
#include "frontends/win32/win32_dialogs.h"
#include "frontends/win32/win32_host.h"
#include "frontends/win32/win32_screen.h"
#include "frontends/win32/win32_shell.h"
#include "platform/emulated/system_code_page.h"
#include "platform/native/native_services.h"
#include "platform/win32/win32_ime_service.h"
#include "platform/win32/win32_keyboard.h"
#include "platform/win32/win32_timer_service.h"

namespace orvo::win32 {

class FormWindows;
class MainFrame;

struct Win32SessionOptions {
  std::string folder;       // the program folder, which must exist
  std::string data_folder;  // the program's data (the braille font among it); empty: none
  ustring command_line;
  // The system code page, which new texts take; none: the settings file's, else the system's.
  std::optional<emu::CodePage> code_page;
  // A person is there: standard messages are shown and wait for OK.
  bool interactive = true;
};

// The front end's own parts and the system's services, made before the program that uses them.
struct Win32Parts {
  explicit Win32Parts(const Win32SessionOptions& options);
  Win32Host host;
  Win32Screen screen;
  Win32Shell shell;
  GdiFonts fonts;
  Win32Dialogs dialogs;
  Win32Clipboard clipboard;
  GdiFontRegistry font_files;
  LocalCalendar calendar;
  Win32Keyboard keyboard;
  Win32TimerService timers;
  Win32ImeService ime;
  NativeWindowing windowing;
  native::FileSystem files;
  emu::ConvertingCodePage code_page;
  emu::ConvertingCodePage utf8_code_page{emu::CodePage::kUtf8};
  emu::ConvertingCodePage cp932_code_page{emu::CodePage::kCp932};
  emu::DataFiles data;
  Platform platform;
  AccessibleNames names;

 private:
  int next_edit_id_ = 1000;
};

class Win32Session : public Win32Parts {
 public:
  explicit Win32Session(const Win32SessionOptions& options);
  ~Win32Session();
  Win32Session(const Win32Session&) = delete;
  Win32Session& operator=(const Win32Session&) = delete;

  // Start-up, then the main window shown; false when start-up refused.
  bool Start();
  // The message loop, until the program ends; the loop's exit status.
  int Run();
  // After anything that may have changed the program: the screen follows,
  // and at the outermost message, what readers are to hear is said.
  void Settle();
  void Sync();

  // What a key script and a state dump read of the session now.
  script::ScriptView Observed();
  MainFrame* Frame() { return frame_.get(); }
  FormWindows& Views() { return *views_; }

  Program program;

 private:
  HWND ActiveWindow() const;

  std::unique_ptr<FormWindows> views_;
  std::unique_ptr<MainFrame> frame_;
};

}  // namespace orvo::win32
