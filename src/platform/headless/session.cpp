#include "platform/headless/session.h"

#include "platform/emulated/anthy/anthy_engine.h"
#include "platform/headless/key_names.h"

namespace orvo::headless {

namespace {

const ustring kNoConversion =
    u"かな漢字変換の辞書を開けません。\r\n"
    u"かなの入力と確定はできますが、漢字には変換できません。";

}  // namespace

Session::Session(const std::string& folder, const ustring& command_line,
                 const SessionOptions& options)
    : engine(options.kanji_conversion
                 ? emu::MakeAnthyEngine({folder, options.learning, options.dictionary}, &engine_error)
                 : nullptr),
      code_page(options.locale_code_page ? emu::CodePage::kLocale : emu::CodePage::kCp932),
      host(FromUtf8(folder), command_line),
      ime(desktop),
      platform{host, screen, desktop, desktop, desktop.Clock(), ime, shell, fonts, code_page},
      program(platform) {
  desktop.SetInputSource([this] { return PullStep(); });
  desktop.SetConversionEngine(engine.get());
  if (!options.kanji_conversion) engine_error.clear();
}

Session::~Session() { desktop.SetInputSource(nullptr); }

bool Session::Start() {
  if (!program.Start()) return false;
  // Said once: typing kana still works without the dictionary.
  if (!engine && !engine_error.empty()) host.StandardMessage(kNoConversion, mb_icon::kExclamation, u" Orvo");
  return true;
}

void Session::Deliver(const KeyEvent& event) {
  desktop.PostKey(event);
  desktop.DoEvents();
}

void Session::Press(std::uint8_t key) {
  const auto named = LookupKey(std::string(1, static_cast<char>(key)));
  Deliver({key, named ? named->scan : std::uint8_t{0}, false, false});
}

void Session::Release(std::uint8_t key) {
  const auto named = LookupKey(std::string(1, static_cast<char>(key)));
  Deliver({key, named ? named->scan : std::uint8_t{0}, true, false});
}

void Session::Tap(std::uint8_t key) {
  Press(key);
  Release(key);
}

void Session::Chord(std::string_view keys) {
  for (char c : keys) Press(static_cast<std::uint8_t>(c));
  for (char c : keys) Release(static_cast<std::uint8_t>(c));
}

void Session::Wait(long long ms) { desktop.Clock().Advance(ms); }

void Session::Click(const std::string& target) {
  if (!program.Running()) return;
  // A click is the button going down, then the click itself.
  const bool indexed = target.starts_with("lblSTYLE");
  const std::string name = indexed ? "lblSTYLE" : target;
  const int index = indexed ? target.back() - '0' : -1;
  if (forms::Control* control = Main().FindControl(name, index)) control->MouseDown(1);
  if (target == "cmdTYPE") Main().ClickType();
  if (target == "cmdIME") Main().ClickIme();
  if (target == "lblMODE") Main().ClickMode();
  desktop.DoEvents();
}

bool Session::Menu(const std::string& item) {
  if (!program.Running()) return false;
  const bool known = Main().ClickMenu(item);
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
      Click(step.target);
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
  }
}

bool Session::PullStep() {
  if (steps_ == nullptr || next_ >= steps_->size() || host.Ended()) {
    if (desktop.ModalDepth() > 0) ended_in_modal_ = true;
    return false;
  }
  Perform((*steps_)[next_++]);
  return true;
}

void Session::Run(const std::vector<ScriptStep>& steps) {
  steps_ = &steps;
  next_ = 0;
  while (!host.Ended() && PullStep()) desktop.DoEvents();
  steps_ = nullptr;
}

}  // namespace orvo::headless
