#include "frontends/headless/session.h"

#include "platform/emulated/physical_keys.h"
#include "frontends/headless/expectations.h"
#include "frontends/headless/script_click.h"
#include "frontends/headless/script_files.h"
#include "frontends/headless/start_prelude.h"

namespace orvo::headless {

HeadlessParts::HeadlessParts(const std::string& folder, const ustring& command_line)
    : host(FromUtf8(folder), command_line), dialogs(FromUtf8(folder)) {}

Session::Session(const std::string& folder, const ustring& command_line, const SessionOptions& options)
    : HeadlessParts(folder, command_line),
      EmulatedSystem({folder, options.kanji_conversion, options.learning, options.dictionary, options.code_page,
                      options.data_folder, options.engine, emu::EngineChoice::kAnthy},
                     {host, screen, shell, fonts, dialogs, font_files}),
      menu_(program) {
  if (options.font_folder) font_files.SetFontFolder(*options.font_folder);
  if (options.font_installed) font_files.Install(u"Orvoten Font", u"/usr/share/fonts/truetype/orvo/Orvoten.TTF");
  dialogs.SetAnswerSource([this](const std::string& what) { return DialogAnswer(what); });
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
  // Kept for the run: later input may still ask where the steps stand.
  static const std::vector<ScriptStep> prelude = ParseScript(kStartPrelude).steps;
  Run(prelude);
  return true;
}

bool Session::StartAtSplash() { return StartProgram(); }

bool Session::Start(const std::vector<ScriptStep>& steps, std::size_t from) {
  started_steps_ = ParseScript(kStartPrelude).steps;
  prelude_length_ = started_steps_.size();
  started_offset_ = from;
  if (from < steps.size()) started_steps_.insert(started_steps_.end(), steps.begin() + static_cast<std::ptrdiff_t>(from), steps.end());
  steps_ = &started_steps_;
  next_ = 0;
  failure_.reset();
  restart_.reset();
  const bool started = StartProgram();
  if (started) {
    Continue();
  } else {
    steps_ = nullptr;
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
  const auto ref = ParseControlRef(target);
  return ref && Click(*ref);
}

forms::Control* Session::FindControl(const ControlRef& ref) { return FindScriptControl(program, ref); }

bool Session::Click(const ControlRef& target) {
  if (!program.Running()) return true;
  if (!ClickScriptControl(program, target)) return false;
  desktop.DoEvents();
  return true;
}

bool Session::Menu(const std::string& item) {
  if (!program.Running()) return false;
  const bool known = ChooseScriptMenu(program, item);
  desktop.DoEvents();
  return known;
}

void Session::ResizeOuter(int width_px, int height_px) {
  if (!program.Running()) return;
  Rect r = Main().OuterTwips();
  r.width = width_px * program.values.TwipsPerPixelX;
  r.height = height_px * program.values.TwipsPerPixelY;
  Main().Move(r);
  desktop.DoEvents();
}

void Session::MoveOuter(int left_px, int top_px) {
  if (!program.Running()) return;
  Rect r = Main().OuterTwips();
  r.left = left_px * program.values.TwipsPerPixelX;
  r.top = top_px * program.values.TwipsPerPixelY;
  Main().Move(r);
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

void Session::Perform(const ScriptStep& step) {
  switch (step.kind) {
    case ScriptStep::Kind::kKey:
      desktop.PostKey(step.key);  // a modal loop or the main loop dispatches it
      break;
    case ScriptStep::Kind::kWait:
      Wait(step.ms);
      break;
    case ScriptStep::Kind::kClick:
      if (!Click(step.control)) {
        failure_ = Failure{step.line, "cannot click " + ControlName(step.control) + ": no loaded form has it"};
      }
      break;
    case ScriptStep::Kind::kMenu:
      Menu(step.target);
      break;
    case ScriptStep::Kind::kResize:
      ResizeOuter(step.x, step.y);
      break;
    case ScriptStep::Kind::kMove:
      MoveOuter(step.x, step.y);
      break;
    case ScriptStep::Kind::kState:
      SetState(step.target == "maximize"   ? WindowState::kMaximized
               : step.target == "minimize" ? WindowState::kMinimized
                                           : WindowState::kNormal);
      break;
    case ScriptStep::Kind::kActivate:
      Activation(step.x != 0);
      break;
    case ScriptStep::Kind::kExpect:
      Check(step);
      break;
    case ScriptStep::Kind::kDialog:
    case ScriptStep::Kind::kColour:
      failure_ = Failure{step.line, "no dialog is open for this answer"};
      break;
    case ScriptStep::Kind::kFile:
      WriteFile(step);
      break;
    case ScriptStep::Kind::kClipboard:
      program.platform.clipboard.SetText(FromUtf8(step.value));
      break;
    case ScriptStep::Kind::kRestart:
      break;  // taken by PullStep before it is performed
    case ScriptStep::Kind::kDrop:
      if (program.Running()) {
        program.drops.Dropped(ScriptDrop(program, step));
        desktop.DoEvents();
      }
      break;
  }
}

const ScriptStep* Session::DialogAnswer(const std::string& what) {
  program.Listen();
  // The key that closed a box before the dialog still comes up, in order.
  while (!failure_ && steps_ != nullptr && next_ < steps_->size() &&
         (*steps_)[next_].kind == ScriptStep::Kind::kKey && (*steps_)[next_].key.up) {
    Perform((*steps_)[next_++]);
  }
  const bool has_next = !failure_ && steps_ != nullptr && next_ < steps_->size();
  const ScriptStep* step = has_next ? &(*steps_)[next_] : nullptr;
  const bool answers = step != nullptr && (step->kind == ScriptStep::Kind::kDialog ||
                                           step->kind == ScriptStep::Kind::kColour);
  if (answers) {
    ++next_;
    return step;
  }
  if (!failure_ && !cancel_unanswered_) {
    const int line = step != nullptr ? step->line : (steps_ != nullptr && !steps_->empty() ? steps_->back().line : 0);
    std::string message = what;
    message.append(" is open, and the script does not answer it (dialog PATH, dialog cancel, colour R G B)");
    failure_ = Failure{line, std::move(message)};
  }
  return nullptr;
}

void Session::WriteFile(const ScriptStep& step) {
  if (auto failed = WriteScriptFile(program, step)) failure_ = Failure{step.line, std::move(*failed)};
}

void Session::Check(const ScriptStep& step) {
  ScriptView view{program, desktop, host, host.Messages().size(), nullptr, &dialogs.Shown()};
  if (!host.Messages().empty()) view.last_standard_message = &host.Messages().back().text;
  if (auto failed = CheckExpectation(view, step)) failure_ = Failure{step.line, std::move(*failed)};
}

bool Session::PullStep() {
  // The input before this point has been handled: what it changed is said now.
  program.Listen();
  if (step_watch_ && steps_ != nullptr && next_ > 0) step_watch_((*steps_)[next_ - 1]);
  if (failure_ || restart_ || steps_ == nullptr || next_ >= steps_->size() || host.Ended()) {
    if (desktop.ModalDepth() > 0 && !failure_ && !restart_ && !host.Ended() && modal_answer_) {
      if (const auto key = modal_answer_()) {
        desktop.PostKey(*key);
        return true;
      }
    }
    if (desktop.ModalDepth() > 0 && !restart_) ended_in_modal_ = true;
    return false;
  }
  const ScriptStep& step = (*steps_)[next_++];
  if (step.kind == ScriptStep::Kind::kRestart) {
    // Nothing more reaches this program: it is killed where it stands.
    const bool started_script = steps_ == &started_steps_;
    restart_ = Restart{started_script ? next_ - prelude_length_ + started_offset_ : next_, step.value};
    return false;
  }
  Perform(step);
  return true;
}

void Session::Run(const std::vector<ScriptStep>& steps) {
  if (&steps != &started_steps_) started_steps_.clear();
  steps_ = &steps;
  next_ = 0;
  failure_.reset();
  restart_.reset();
  ended_in_modal_ = false;
  Continue();
}

void Session::Continue() {
  while (!host.Ended() && !restart_ && PullStep()) desktop.DoEvents();
  // Once the program has ended no input reaches it, but what should hold still does.
  while (!failure_ && !restart_ && next_ < steps_->size()) {
    const ScriptStep& step = (*steps_)[next_++];
    if (step.kind == ScriptStep::Kind::kExpect) Check(step);
    if (step.kind == ScriptStep::Kind::kRestart) restart_ = Restart{next_, step.value};
  }
  steps_ = nullptr;
}

}  // namespace orvo::headless
