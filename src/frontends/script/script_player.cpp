// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/script/script_player.h"

#include "app/main_window.h"
#include "frontends/script/expectations.h"
#include "frontends/script/script_click.h"
#include "frontends/script/script_files.h"
#include "frontends/script/script_texts.h"
#include "frontends/script/start_prelude.h"

namespace orvo::script {

const std::vector<ScriptStep>& StartPreludeSteps() {
  static const std::vector<ScriptStep> steps = ParseScript(kStartPrelude).steps;
  return steps;
}

void ScriptPlayer::Load(std::vector<ScriptStep> steps) {
  steps_ = std::move(steps);
  next_ = 0;
  prelude_ = 0;
  offset_ = 0;
  loaded_ = true;
  failure_.reset();
  restart_.reset();
}

void ScriptPlayer::LoadAfterPrelude(const std::vector<ScriptStep>& steps, std::size_t from) {
  std::vector<ScriptStep> played = StartPreludeSteps();
  if (from < steps.size()) played.insert(played.end(), steps.begin() + static_cast<std::ptrdiff_t>(from), steps.end());
  Load(std::move(played));
  prelude_ = StartPreludeSteps().size();
  offset_ = from;
}

bool ScriptPlayer::HasNext() const {
  return loaded_ && !failure_ && !restart_ && next_ < steps_.size() && !target_.Ended();
}

bool ScriptPlayer::PlayNext() {
  if (!HasNext()) return false;
  const ScriptStep& step = steps_[next_++];
  if (step.kind == ScriptStep::Kind::kRestart) {
    TakeRestart(step);  // nothing more reaches this program: it is killed where it stands
    return false;
  }
  Perform(step);
  return true;
}

void ScriptPlayer::Finish() {
  // Once the program has ended no input reaches it, but what should hold still does.
  while (loaded_ && !failure_ && !restart_ && next_ < steps_.size()) {
    const ScriptStep& step = steps_[next_++];
    if (step.kind == ScriptStep::Kind::kExpect) Check(step);
    if (step.kind == ScriptStep::Kind::kRestart) TakeRestart(step);
  }
  steps_.clear();
  next_ = 0;
  loaded_ = false;
}

void ScriptPlayer::TakeRestart(const ScriptStep& step) {
  if (!target_.CanRestart()) {
    Fail(step.line, std::string(texts::kNoRestartHere));
    return;
  }
  restart_ = Restart{next_ - prelude_ + offset_, step.value};
}

void ScriptPlayer::Fail(int line, std::string message) { failure_ = Failure{line, std::move(message)}; }

const ScriptStep* ScriptPlayer::DialogAnswer(const std::string& what) {
  using Kind = ScriptStep::Kind;
  const auto waiting = [this] { return loaded_ && !failure_ && next_ < steps_.size(); };
  // The key that closed a box before the dialog still comes up, in order.
  while (waiting() && steps_[next_].kind == Kind::kKey && steps_[next_].key.up) Perform(steps_[next_++]);
  const ScriptStep* step = waiting() ? &steps_[next_] : nullptr;
  if (step != nullptr && (step->kind == Kind::kDialog || step->kind == Kind::kColour)) {
    ++next_;
    return step;
  }
  if (!failure_ && !cancel_unanswered_) {
    const int line = step != nullptr ? step->line : (!steps_.empty() ? steps_.back().line : 0);
    Fail(line, what + std::string(texts::kDialogUnanswered));
  }
  return nullptr;
}

void ScriptPlayer::Check(const ScriptStep& step) {
  if (auto failed = CheckExpectation(target_.View(), step)) Fail(step.line, std::move(*failed));
}

void ScriptPlayer::Perform(const ScriptStep& step) {
  using Kind = ScriptStep::Kind;
  switch (step.kind) {
    case Kind::kKey:
      target_.Key(step.key);
      return;
    case Kind::kWait:
      target_.Wait(step.ms);
      return;
    case Kind::kExpect:
      Check(step);
      return;
    case Kind::kDialog:
    case Kind::kColour:
      Fail(step.line, std::string(texts::kNoDialogOpen));
      return;
    case Kind::kFile:
      if (auto failed = WriteScriptFile(program_, step)) Fail(step.line, std::move(*failed));
      return;
    case Kind::kClipboard:
      program_.platform.clipboard.SetText(FromUtf8(step.value));  // as another program copying it
      return;
    case Kind::kRestart:
      return;  // taken by PlayNext before it is performed
    case Kind::kClick:
    case Kind::kMenu:
    case Kind::kResize:
    case Kind::kMove:
    case Kind::kState:
    case Kind::kActivate:
    case Kind::kDrop:
      if (!program_.Running()) return;
      PerformOnWindow(step);
      target_.Settle();
      return;
  }
}

void ScriptPlayer::PerformOnWindow(const ScriptStep& step) {
  using Kind = ScriptStep::Kind;
  switch (step.kind) {
    case Kind::kClick:
      if (!ClickScriptControl(program_, step.control)) {
        std::string message(texts::kCannotClick);
        Fail(step.line, message.append(ControlName(step.control)).append(texts::kNoFormHasIt));
      }
      break;
    case Kind::kMenu:
      ChooseScriptMenu(program_, step.target);
      break;
    case Kind::kResize:
      target_.Resize(step.x, step.y);
      break;
    case Kind::kMove:
      target_.Move(step.x, step.y);
      break;
    case Kind::kState:
      target_.SetState(step.target == "maximize"   ? WindowState::kMaximized
                       : step.target == "minimize" ? WindowState::kMinimized
                                                   : WindowState::kNormal);
      break;
    case Kind::kActivate:
      program_.Main().AppActivation(step.x != 0);
      break;
    case Kind::kDrop: {
      const files::DroppedFiles dropped = ScriptDrop(program_, step);
      if (!target_.Drop(dropped)) program_.drops.Dropped(dropped);
      break;
    }
    default:
      break;  // not a step on the window
  }
}

}  // namespace orvo::script
