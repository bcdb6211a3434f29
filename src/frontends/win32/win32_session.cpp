// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/win32_session.h"

#include "app/main_window.h"
#include "frontends/shared/engine_setting.h"
#include "frontends/win32/form_windows.h"
#include "frontends/win32/main_frame.h"
#include "frontends/win32/native_peer.h"
#include "frontends/win32/window_classes.h"
#include "platform/win32/native_edit_control.h"

namespace orvo::win32 {

Win32Parts::Win32Parts(const Win32SessionOptions& options)
    : host(FromUtf8(options.folder), options.command_line),
      dialogs(FromUtf8(options.folder)),
      font_files(FromUtf8(options.data_folder)),
      windowing(keyboard,
                [this]() -> std::unique_ptr<EditControl> {
                  return std::make_unique<NativeEditControl>(ParkingWindow(), next_edit_id_++, RECT{0, 0, 0, 0});
                }),
      code_page(options.code_page ? *options.code_page
                                  : emu::ReadCodePageSetting(options.folder, emu::CodePage::kLocale, files)),
      data(options.data_folder, files),
      platform{host,  screen, keyboard, windowing, timers,     ime,  shell,
               fonts, code_page, files, dialogs,   clipboard, calendar, font_files,
               data,  {code_page, utf8_code_page, cp932_code_page}} {
  host.SetInteractive(options.interactive);
  SetParentHook(NativeEditControl::HandleParentMessage);
}

Win32Session::Win32Session(const Win32SessionOptions& options)
    : Win32Parts(options),
      program(platform),
      views_(std::make_unique<FormWindows>(program.forms, fonts, names, [this] { Settle(); })) {
  views_->Skip([](const forms::Form& form) { return form.Tag() == MainWindow::kTag; });
  windowing.SetAfterEach([this] { Settle(); });
  windowing.SetEnded([this] { return host.Ended(); });
  windowing.SetAfterDispatch([this](const MSG& msg) {
    // A mouse button let go on the document: the window hears it after the control has moved its caret.
    if ((msg.message != WM_LBUTTONUP && msg.message != WM_RBUTTONUP) || !frame_ || !program.Running()) return;
    if (msg.hwnd != frame_->Document()) return;
    const int button = msg.message == WM_LBUTTONUP ? 1 : 2;
    program.Main().TextMouseUp(button);
    Settle();
  });
  host.SetOwner([this] { return ActiveWindow(); });
  dialogs.SetOwner([this] { return ActiveWindow(); });
  // A file or colour dialog takes the keyboard: the keys held come up for the program first.
  dialogs.SetGuard([this](bool showing) {
    if (showing) windowing.ReleaseHeld();
  });
}

Win32Session::~Win32Session() {
  windowing.SetAfterEach(nullptr);
  windowing.SetAfterDispatch(nullptr);
  views_.reset();
  frame_.reset();
}

HWND Win32Session::ActiveWindow() const {
  if (HWND form = views_->ActiveWindow()) return form;
  return frame_ ? frame_->Window() : nullptr;
}

bool Win32Session::Start() {
  if (!program.Start()) return false;
  frame_ = std::make_unique<MainFrame>(program, windowing, fonts, names, [this] { Settle(); });
  views_->SetOwner(frame_->Window());
  views_->SetMainWindow(frame_->Window());
  frame_->Show();
  Settle();
  return true;
}

int Win32Session::Run() {
  while (!host.Ended() && windowing.WaitAndHandle()) views_->Collect();
  return 0;
}

void Win32Session::Settle() {
  Sync();
  // Said once the input is handled whole, not in the middle of a handler's own loop.
  if (frame_ && program.Running() && windowing.HandleDepth() <= 1) frame_->Announce(program.Listen());
}

void Win32Session::Sync() {
  if (frame_) frame_->Sync();
  views_->Sync();
}

script::ScriptView Win32Session::Observed() {
  script::ScriptView view{program,
                          keyboard,
                          host,
                          {},
                          windowing.ModalDepth() > 0,
                          &dialogs.Shown(),
                          &windowing.SyntheticLog()};
  for (const auto& m : host.Messages()) view.standard_messages.push_back({m.text, m.icon});
  return view;
}

}  // namespace orvo::win32
