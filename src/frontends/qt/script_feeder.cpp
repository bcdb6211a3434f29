// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/script_feeder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "app/main_window.h"
#include "platform/emulated/physical_keys.h"
#include "frontends/qt/main_view.h"
#include "frontends/qt/qt_session.h"

namespace orvo::qt {

ScriptFeeder::ScriptFeeder(QtSession& session, std::vector<script::ScriptStep> steps, std::function<void()> on_done,
                           Prelude prelude)
    : ScriptDriver(session.program, std::move(on_done)), session_(session) {
  if (prelude == Prelude::kFirst) {
    player_.LoadAfterPrelude(steps);
  } else {
    player_.Load(std::move(steps));
  }
}

ScriptFeeder::~ScriptFeeder() {
  session_.dialogs.SetAnswerSource(nullptr);
  session_.SetScriptPending(nullptr);
}

void ScriptFeeder::Start() {
  // A box a step opens waits for the steps after it, even in a session without a person.
  session_.SetScriptPending([this] { return player_.HasNext(); });
  session_.dialogs.SetAnswerSource([this](const std::string& what) { return Answer(what); });
  QTimer::singleShot(0, this, [this] { Next(); });
}

void ScriptFeeder::Finish() {
  if (Done()) return;
  CheckTheRest();
  session_.SetScriptPending(nullptr);
  TellDone();
}

void ScriptFeeder::Next() {
  const script::ScriptStep* step = player_.Next();
  if (step == nullptr) {
    Finish();
    return;
  }
  // The next step is due before this one runs: a message box this step opens
  // takes the steps after it as its input, as the headless runner gives them.
  const bool waits = step->kind == script::ScriptStep::Kind::kWait && session_.Interactive();
  QTimer::singleShot(waits ? static_cast<int>(step->ms) : 0, this, [this] { Next(); });
  player_.PlayNext();
  ReportFailure();
}

script::ScriptView ScriptFeeder::View() { return session_.Observed(); }

void ScriptFeeder::Key(const KeyEvent& event) {
  // An open drop-down takes the key-downs itself, as it takes a person's; the
  // keys held when it opened still come up for the program.
  QWidget* popup = QApplication::activePopupWidget();
  if (popup == nullptr || event.up) {
    session_.DeliverKey(event);
    return;
  }
  for (const emu::PhysicalKey& key : emu::PhysicalKeys()) {
    if (key.vk != event.vk || key.qt_key == 0) continue;
    // A menu finds its items' access letters by the text a key types.
    const bool typed = (key.qt_key >= 'A' && key.qt_key <= 'Z') || (key.qt_key >= '0' && key.qt_key <= '9');
    const QString text = typed ? QString(QChar(key.qt_key)).toLower() : QString();
    QKeyEvent press(QEvent::KeyPress, key.qt_key, Qt::NoModifier, text);
    QApplication::sendEvent(popup, &press);
    break;
  }
  session_.Settle();
}

void ScriptFeeder::Wait(long long ms) {
  // A person's session has waited already: the step after a wait is due that much later.
  if (session_.Interactive()) return;
  session_.desktop.Clock().Advance(ms);
  session_.Settle();
}

void ScriptFeeder::Resize(int width_px, int height_px) {
  if (MainView* view = session_.View()) view->resize(width_px, height_px);  // comes back as a resize of the window
}

void ScriptFeeder::Move(int left_px, int top_px) {
  if (MainView* view = session_.View()) view->move(left_px, top_px);
}

void ScriptFeeder::SetState(WindowState state) {
  MainView* view = session_.View();
  if (view == nullptr) return;
  if (state == WindowState::kMaximized) view->showMaximized();
  if (state == WindowState::kMinimized) view->showMinimized();
  if (state == WindowState::kNormal) view->showNormal();
}

void ScriptFeeder::Settle() { session_.Settle(); }

bool ScriptFeeder::Ended() const { return session_.host.Ended(); }

}  // namespace orvo::qt
