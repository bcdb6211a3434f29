// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/session.h"

#include "platform/emulated/physical_keys.h"
#include "frontends/script/script_click.h"

namespace orvo::headless {

HeadlessParts::HeadlessParts(const std::string& folder, const ustring& command_line)
    : host(FromUtf8(folder), command_line), dialogs(FromUtf8(folder)) {}

Session::Session(const std::string& folder, const ustring& command_line, const SessionOptions& options)
    : HeadlessParts(folder, command_line),
      EmulatedSystem({folder, options.kanji_conversion, options.learning, options.dictionary, options.code_page,
                      options.data_folder, options.engine, emu::EngineChoice::kAnthy},
                     {host, screen, shell, fonts, dialogs, font_files}),
      menu_(program),
      target_(*this),
      player_(program, target_) {
  if (options.font_folder) font_files.SetFontFolder(*options.font_folder);
  if (options.font_installed) font_files.Install(u"Orvoten Font", u"/usr/share/fonts/truetype/orvo/Orvoten.TTF");
  dialogs.SetAnswerSource([this](const std::string& what) {
    program.Listen();
    return player_.DialogAnswer(what);
  });
  desktop.SetInputSource([this] { return PullStep(); });
  desktop.SetKeyFilter([this](const KeyEvent& event) { return menu_.TakeKey(event); });
}

Session::~Session() {
  dialogs.SetAnswerSource(nullptr);
  desktop.SetKeyFilter(nullptr);
  desktop.SetInputSource(nullptr);
}

bool Session::Start() {
  if (!StartAtSplash()) return false;
  Run(script::StartPreludeSteps());
  return true;
}

bool Session::StartAtSplash() { return StartProgram(); }

bool Session::Start(const std::vector<ScriptStep>& steps, std::size_t from) {
  player_.LoadAfterPrelude(steps, from);
  ended_in_modal_ = false;
  const bool started = StartProgram();
  if (started) {
    Continue();
  } else {
    player_.Finish();
  }
  return started;
}

void Session::Deliver(const KeyEvent& event) {
  desktop.PostKey(event);
  desktop.DoEvents();
}

namespace {

// Letters and digits carry their keys' scan bytes; other keys come without one.
std::uint8_t ScanOf(std::uint8_t key) {
  const bool named = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
  const emu::PhysicalKey* found = named ? emu::FindKeyByName(std::string(1, static_cast<char>(key))) : nullptr;
  return found ? found->scan : std::uint8_t{0};
}

}  // namespace

void Session::Press(std::uint8_t key) { Deliver({key, ScanOf(key), false, false}); }

void Session::Release(std::uint8_t key) { Deliver({key, ScanOf(key), true, false}); }

void Session::Tap(std::uint8_t key) {
  Press(key);
  Release(key);
}

void Session::Chord(std::string_view keys) {
  for (char c : keys) Press(static_cast<std::uint8_t>(c));
  for (char c : keys) Release(static_cast<std::uint8_t>(c));
}

void Session::Wait(long long ms) { desktop.Clock().Advance(ms); }

bool Session::Click(const std::string& target) {
  const auto ref = script::ParseControlRef(target);
  return ref && Click(*ref);
}

forms::Control* Session::FindControl(const ControlRef& ref) { return script::FindScriptControl(program, ref); }

bool Session::Click(const ControlRef& target) {
  if (!program.Running()) return true;
  if (!script::ClickScriptControl(program, target)) return false;
  desktop.DoEvents();
  return true;
}

bool Session::Menu(const std::string& item) {
  if (!program.Running()) return false;
  const bool known = script::ChooseScriptMenu(program, item);
  desktop.DoEvents();
  return known;
}

void Session::ResizeOuter(int width_px, int height_px) {
  if (!program.Running()) return;
  target_.Resize(width_px, height_px);
  desktop.DoEvents();
}

void Session::MoveOuter(int left_px, int top_px) {
  if (!program.Running()) return;
  target_.Move(left_px, top_px);
  desktop.DoEvents();
}

void Session::SetState(WindowState state) {
  if (!program.Running()) return;
  Main().SetState(state);
  desktop.DoEvents();
}

void Session::Activation(bool active) {
  if (!program.Running()) return;
  Main().AppActivation(active);
  desktop.DoEvents();
}

script::ScriptView Session::View() {
  script::ScriptView view{program, desktop, host, {}, desktop.ModalDepth() > 0, &dialogs.Shown(), &desktop.SyntheticLog()};
  for (const auto& m : host.Messages()) view.standard_messages.push_back({m.text, m.icon});
  return view;
}

bool Session::PullStep() {
  // The input before this point has been handled: what it changed is said now.
  program.Listen();
  if (step_watch_ && player_.Last() != nullptr) step_watch_(*player_.Last());
  if (!player_.HasNext()) {
    const bool answerable = !player_.Failed() && !player_.Restarting() && !host.Ended();
    if (desktop.ModalDepth() > 0 && answerable && modal_answer_) {
      if (const auto key = modal_answer_()) {
        desktop.PostKey(*key);
        return true;
      }
    }
    if (desktop.ModalDepth() > 0 && !player_.Restarting()) ended_in_modal_ = true;
    return false;
  }
  return player_.PlayNext();
}

void Session::Run(const std::vector<ScriptStep>& steps) {
  player_.Load(steps);
  ended_in_modal_ = false;
  Continue();
}

void Session::Continue() {
  while (!host.Ended() && !player_.Restarting() && PullStep()) desktop.DoEvents();
  player_.Finish();
}

}  // namespace orvo::headless
