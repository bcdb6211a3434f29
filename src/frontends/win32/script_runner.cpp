// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/script_runner.h"

#include <algorithm>

#include "frontends/win32/drop_handle.h"
#include "frontends/win32/main_frame.h"
#include "frontends/win32/win32_api.h"
#include "frontends/win32/win32_session.h"
#include "platform/win32/wide_text.h"

namespace orvo::win32 {
namespace {

// How long a key of the script may take to come back through the system's input.
constexpr DWORD kKeyArrivalMs = 5000;

}  // namespace

ScriptRunner::ScriptRunner(Win32Session& session, std::vector<script::ScriptStep> steps,
                           std::function<void()> on_done)
    : ScriptDriver(session.program, std::move(on_done)), session_(session) {
  player_.LoadAfterPrelude(steps);
}

ScriptRunner::~ScriptRunner() {
  if (wake_ != 0) KillTimer(nullptr, wake_);
  session_.windowing.SetIdle(nullptr);
  session_.dialogs.SetAnswerSource(nullptr);
}

void ScriptRunner::Start() {
  started_ = true;
  session_.dialogs.SetAnswerSource([this](const std::string& what) { return Answer(what); });
  session_.windowing.SetIdle([this] { return Idle(); });
}

bool ScriptRunner::Idle() {
  if (!player_.HasNext()) {
    Finish();
    return false;
  }
  const unsigned long long now = GetTickCount64();
  if (now < due_ms_) {
    // Woken again when it is due.
    wake_ = SetTimer(nullptr, wake_, static_cast<UINT>(due_ms_ - now), nullptr);
    return false;
  }
  if (wake_ != 0) KillTimer(nullptr, wake_);
  wake_ = 0;
  const script::ScriptStep* step = player_.Next();
  due_ms_ = step->kind == script::ScriptStep::Kind::kWait ? now + static_cast<unsigned long long>(step->ms) : now;
  player_.PlayNext();
  ReportFailure();
  return true;
}

void ScriptRunner::Finish() {
  if (Done()) return;
  session_.windowing.SetIdle(nullptr);
  CheckTheRest();
  TellDone();
}

script::ScriptView ScriptRunner::View() { return session_.Observed(); }

void ScriptRunner::Key(const KeyEvent& event) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = event.vk;
  input.ki.wScan = event.scan;
  input.ki.dwFlags = event.up ? KEYEVENTF_KEYUP : 0;
  if (IsExtendedKey(event.vk)) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  const long long before = session_.windowing.KeysHandled();
  if (SendInput(1, &input, sizeof input) != 1) return;
  // An open menu takes the key in the system's own loop, never through the program's.
  if (MainFrame* frame = session_.Frame(); frame != nullptr && frame->MenuOpen()) return;
  // The key comes back through the queue; the messages it leaves (the
  // characters it types) are handled before the next step.
  const ULONGLONG give_up = GetTickCount64() + kKeyArrivalMs;
  while (session_.windowing.KeysHandled() == before && !session_.host.Ended() && GetTickCount64() < give_up) {
    MSG msg;
    if (PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
      session_.windowing.Handle(msg);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_KEY);
    }
  }
}

void ScriptRunner::Wait(long long) {
  // Real time: the step after a wait is due that much later (Idle keeps the time).
}

void ScriptRunner::Resize(int width_px, int height_px) {
  if (MainFrame* frame = session_.Frame()) frame->Resize(width_px, height_px);
}

void ScriptRunner::Move(int left_px, int top_px) {
  if (MainFrame* frame = session_.Frame()) frame->Move(left_px, top_px);
}

void ScriptRunner::SetState(WindowState state) {
  if (MainFrame* frame = session_.Frame()) frame->SetState(state);
}

void ScriptRunner::Settle() { session_.Settle(); }

bool ScriptRunner::Drop(const files::DroppedFiles& dropped) {
  MainFrame* frame = session_.Frame();
  if (frame == nullptr || !dropped.file_list) return false;
  std::vector<std::wstring> paths;
  for (const ustring& path : dropped.paths) {
    std::wstring wide = Wide(path);
    std::replace(wide.begin(), wide.end(), L'/', L'\\');  // the shell hands over the system's own separators
    paths.push_back(std::move(wide));
  }
  HDROP drop = MakeDropHandle(paths);
  if (drop == nullptr) return false;
  // Taken from the queue before the next step, as the shell's own drop is.
  if (!PostMessageW(frame->Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0)) {
    GlobalFree(drop);
    return false;
  }
  return true;
}

bool ScriptRunner::Ended() const { return session_.host.Ended(); }

}  // namespace orvo::win32
