#include "frontends/qt/script_feeder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "app/main_window.h"
#include "platform/emulated/physical_keys.h"
#include "frontends/headless/expectations.h"
#include "frontends/headless/script_click.h"
#include "frontends/headless/script_files.h"
#include "frontends/qt/main_view.h"
#include "frontends/qt/qt_session.h"

namespace orvo::qt {

ScriptFeeder::ScriptFeeder(QtSession& session, std::vector<headless::ScriptStep> steps,
                           std::function<void()> on_done)
    : session_(session), steps_(std::move(steps)), on_done_(std::move(on_done)) {}

ScriptFeeder::~ScriptFeeder() {
  session_.dialogs.SetAnswerSource(nullptr);
  session_.SetScriptPending(nullptr);
}

const headless::ScriptStep* ScriptFeeder::DialogAnswer(const std::string& what) {
  using Kind = headless::ScriptStep::Kind;
  // The key that closed a box before the dialog still comes up, in order.
  while (next_ < steps_.size() && steps_[next_].kind == Kind::kKey && steps_[next_].key.up) {
    session_.DeliverKey(steps_[next_++].key);
  }
  if (next_ < steps_.size() && (steps_[next_].kind == Kind::kDialog || steps_[next_].kind == Kind::kColour)) {
    return &steps_[next_++];
  }
  Fail(next_ < steps_.size() ? steps_[next_].line : 0,
       what + " is open, and the script does not answer it (dialog PATH, dialog cancel, colour R G B)");
  return nullptr;
}

void ScriptFeeder::Fail(int line, const std::string& message) {
  if (on_failure_) on_failure_(line, message);
  next_ = steps_.size();
}

void ScriptFeeder::Start() {
  // A box a step opens waits for the steps after it, even in a session without a person.
  session_.SetScriptPending([this] { return next_ < steps_.size() && !session_.host.Ended(); });
  session_.dialogs.SetAnswerSource([this](const std::string& what) { return DialogAnswer(what); });
  QTimer::singleShot(0, this, [this] { Next(); });
}

void ScriptFeeder::Next() {
  if (next_ >= steps_.size() || session_.host.Ended()) {
    session_.SetScriptPending(nullptr);
    if (on_done_) on_done_();
    on_done_ = nullptr;
    return;
  }
  const headless::ScriptStep& step = steps_[next_++];
  if (step.kind == headless::ScriptStep::Kind::kExpect) {
    headless::ScriptView view{session_.program, session_.desktop, session_.host, session_.host.Messages().size(),
                              nullptr, &session_.dialogs.Shown()};
    if (!session_.host.Messages().empty()) view.last_standard_message = &session_.host.Messages().back().text;
    if (const auto failed = headless::CheckExpectation(view, step)) Fail(step.line, *failed);
    QTimer::singleShot(0, this, [this] { Next(); });
    return;
  }
  // The next step is due before this one runs: a message box this step opens
  // takes the steps after it as its input, as the headless runner gives them.
  // A person's session waits in real time; one without a person moves the program's clock at once.
  const bool waits = step.kind == headless::ScriptStep::Kind::kWait && session_.Interactive();
  const int delay = waits ? static_cast<int>(step.ms) : 0;
  QTimer::singleShot(delay, this, [this] { Next(); });
  Perform(step);
}

void ScriptFeeder::Perform(const headless::ScriptStep& step) {
  using Kind = headless::ScriptStep::Kind;
  MainView* view = session_.View();
  if (step.kind == Kind::kKey) {
    // An open drop-down takes the key-downs itself, as it takes a person's; the
    // keys held when it opened still come up for the program.
    QWidget* popup = QApplication::activePopupWidget();
    if (popup != nullptr && !step.key.up) {
      for (const emu::PhysicalKey& key : emu::PhysicalKeys()) {
        if (key.vk != step.key.vk || key.qt_key == 0) continue;
        // A menu finds its items' access letters by the text a key types.
        const bool typed = (key.qt_key >= 'A' && key.qt_key <= 'Z') || (key.qt_key >= '0' && key.qt_key <= '9');
        const QString text = typed ? QString(QChar(key.qt_key)).toLower() : QString();
        QKeyEvent event(step.key.up ? QEvent::KeyRelease : QEvent::KeyPress, key.qt_key, Qt::NoModifier, text);
        QApplication::sendEvent(popup, &event);
        break;
      }
      session_.Settle();
      return;
    }
    session_.DeliverKey(step.key);
    return;
  }
  if (step.kind == Kind::kFile) {
    if (const auto failed = headless::WriteScriptFile(session_.program, step)) Fail(step.line, *failed);
    return;
  }
  if (step.kind == Kind::kClipboard) {
    session_.program.platform.clipboard.SetText(FromUtf8(step.value));  // the system's clipboard
    return;
  }
  if (step.kind == Kind::kRestart) {
    Fail(step.line, "restart runs only in orvo-headless");
    return;
  }
  if (step.kind == Kind::kDialog || step.kind == Kind::kColour) {
    Fail(step.line, "no dialog is open for this answer");
    return;
  }
  if (step.kind == Kind::kWait) {
    if (!session_.Interactive()) {
      session_.desktop.Clock().Advance(step.ms);
      session_.Settle();
    }
    return;
  }
  if (!session_.program.Running() || view == nullptr) return;
  MainWindow& w = session_.program.Main();
  switch (step.kind) {
    case Kind::kClick:
      headless::ClickScriptControl(session_.program, step.control);
      break;
    case Kind::kMenu:
      headless::ChooseScriptMenu(session_.program, step.target);
      break;
    case Kind::kResize:
      view->resize(step.x, step.y);  // comes back as a resize of the window
      break;
    case Kind::kMove:
      view->move(step.x, step.y);
      break;
    case Kind::kState:
      if (step.target == "maximize") view->showMaximized();
      if (step.target == "minimize") view->showMinimized();
      if (step.target == "restore") view->showNormal();
      break;
    case Kind::kActivate:
      w.AppActivation(step.x != 0);
      break;
    case Kind::kDrop:
      session_.program.drops.Dropped(headless::ScriptDrop(session_.program, step));
      break;
    case Kind::kKey:
    case Kind::kWait:
    case Kind::kExpect:  // checked in Next()
    case Kind::kDialog:
    case Kind::kColour:
    case Kind::kFile:
    case Kind::kClipboard:
    case Kind::kRestart:
      break;
  }
  session_.Settle();
}

}  // namespace orvo::qt
