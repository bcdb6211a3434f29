// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/qt_session.h"

#include <QApplication>
#include <QDateTime>
#include <thread>

#include "app/main_window.h"
#include "platform/posix/data_folder.h"
#include "frontends/qt/main_view.h"
#include "frontends/qt/forms/form_views.h"
#include "frontends/qt/document_edit.h"
#include "frontends/qt/shared_image.h"
#include "frontends/qt/x_key_repeat.h"

namespace orvo::qt {
QtParts::QtParts(const std::string& folder, const ustring& command_line, const std::optional<std::string>& font_folder)
    : host(FromUtf8(folder), command_line),
      dialogs(FromUtf8(folder)),
      font_files(FromUtf8(font_folder ? *font_folder : posix::FindOwnDataFolder().path.string())) {}

QtSession::QtSession(const QtSessionOptions& options)
    : QtParts(options.folder, options.command_line, options.font_folder),
      EmulatedSystem({options.folder, options.kanji_conversion, options.learning, {}, options.code_page, {},
                      options.engine, emu::EngineChoice::kAuto},
                     {host, screen, shell, fonts, dialogs, font_files, &clipboard}),
      interactive_(options.interactive),
      filter_([this](const KeyEvent& e) { DeliverKey(e); }),
      ticker_(desktop.Clock(), [this] { Settle(); }),
      keyboard_settle_(desktop.Clock(), kKeyboardSettleMs, [this] { KeyboardSettled(); }),
      views_(std::make_unique<FormViews>(program.forms, [this] { Settle(); })) {
  views_->Skip([](const forms::Form& form) { return form.Tag() == MainWindow::kTag; });
  desktop.SetInputSource([this] { return PullInput(); });
  dialogs.SetOwner([this]() -> QWidget* {
    QWidget* active = QApplication::activeWindow();
    return active != nullptr ? active : view_.get();
  });
  host.SetInteractive(interactive_);
  host.SetMessageGuard([this](bool showing) { filter_.SetEnabled(!showing); });
  // A file or colour dialog is worked with the keyboard as any dialog is.
  dialogs.SetGuard([this](bool showing) {
    if (showing) filter_.ReleaseHeld();
    filter_.SetEnabled(!showing);
  });
  qApp->installEventFilter(&filter_);
  AskForRepeatsAsPresses();
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, &filter_, [this] { quitting_ = true; });
  QObject::connect(qApp, &QGuiApplication::applicationStateChanged, &filter_,
                   [this](Qt::ApplicationState state) { Activation(state == Qt::ApplicationActive); });
  // While Qt holds the program inactive in error (see Activation), Qt reports
  // no real loss either: the window system's report of it is heard instead.
  // On its way to another window of the program the keyboard's next report
  // follows at once; Qt waits as long before it calls a loss a loss.
  views_->Keyboard().SetOnLeft([this] {
    if (qt_inactive_early_) keyboard_settle_.SetEnabled(true);
  });
}

void QtSession::KeyboardSettled() {
  keyboard_settle_.SetEnabled(false);
  if (!qt_inactive_early_ || views_ == nullptr || views_->Keyboard().OnOwnWindow()) return;
  qt_inactive_early_ = false;
  Activation(false);
}

void QtSession::Activation(bool active) {
  // Qt can call the program inactive while the keyboard never left it: a box
  // that closes while Qt still counts it the keyboard's window takes Qt's
  // focus along, and no report of the window system comes to give it back.
  // Its last report decides then (held keys stay held too), and its report
  // of a real loss later is heard instead of Qt's.
  qt_inactive_early_ = !active && views_ != nullptr && views_->Keyboard().OnOwnWindow();
  if (qt_inactive_early_) return;
  if (!active) filter_.ReleaseHeld();
  // A box or dialog of the program taking the keyboard is no loss of activation:
  // the program made another of its own windows the active one.
  if (!active && program.Running() && OwnWindowActive()) return;
  // The program took itself as active when its window loaded; Qt's report of
  // that same activation, arriving later, is no change.
  if (active == app_active_) return;
  app_active_ = active;
  if (!program.Running()) return;
  program.Main().AppActivation(active);
  Settle();
}

bool QtSession::OwnWindowActive() const {
  const forms::Form* active = program.forms.ActiveForm();
  return active != nullptr && active->Tag() != MainWindow::kTag && active->Visible();
}

QtSession::~QtSession() {
  qApp->removeEventFilter(&filter_);
  desktop.SetInputSource(nullptr);
  views_.reset();  // children of the main view: they go first, by themselves
  view_.reset();
}

bool QtSession::Start() {
  if (interactive_) {
    // A person reads the real date, from the start on (a recovery copy kept
    // aside at the first activation is named by it); tests keep the clock's fixed one.
    const QDateTime now = QDateTime::currentDateTime();
    desktop.Clock().SetCalendarStart(now.toMSecsSinceEpoch() + std::int64_t{now.offsetFromUtc()} * 1000 -
                                     desktop.Clock().NowMs());
  }
  if (!StartProgram()) return false;
  view_ = std::make_unique<MainView>(program, [this] { Settle(); });
  views_->SetOwnerWindow(view_.get());
  Sync();
  view_->show();
  view_->Text().setFocus();
  Settle();
  if (interactive_) ticker_.Start();
  return true;
}

void QtSession::DeliverKey(const KeyEvent& event) {
  if (host.Ended()) return;
  // What the key typed reaches the screen first: the document's text is
  // painted and flushed before the scroll bars the key moved and the other
  // controls it changed (the status line's figures, the displays), which are
  // synced after it and drawn in a pass of their own.
  DocumentEdit* text = view_ ? &view_->Text() : nullptr;
  if (text != nullptr) {
    text->HoldScrollBars();
    view_->HoldControls(true);
  }
  desktop.PostKey(event);
  Settle();
  if (text != nullptr && view_ && &view_->Text() == text) {
    if (view_->isVisible()) {
      const int paints = text->Paints();
      QEvent paint_now(QEvent::UpdateRequest);  // what is due is painted and flushed
      QCoreApplication::sendEvent(view_.get(), &paint_now);
      // The flush has woken the display server. Where it shares this core
      // it would wait for the rest of the key's work before putting the text
      // on the screen; the core goes to it first. With nothing else ready to
      // run, or the server on another core, this returns at once.
      std::this_thread::yield();
      // The wait for the server to have read the text, which the next key's
      // paint over the same line would make, is made now, after the text.
      if (text->Paints() != paints) {
        SettleSharedImage(*view_, text->viewport()->mapTo(view_.get(), text->LastPainted()));
      }
    }
    text->LetScrollBarsGo();
  }
  LetControlsGo();
}

void QtSession::LetControlsGo() {
  if (!view_) return;
  view_->HoldControls(false);
  view_->Sync();
}

void QtSession::Settle() {
  ticker_.CatchUp();  // the timers that fell due while the program slept go first
  // Inside a modal loop the loop itself takes the queued keys.
  if (desktop.ModalDepth() == 0 && !host.Ended()) desktop.DoEvents();
  Sync();
  if (view_ && program.Running()) {
    view_->Announce(program.Listen());
  }
}

void QtSession::Sync() {
  if (view_) view_->Sync();
  views_->Sync();
}

script::ScriptView QtSession::Observed() {
  script::ScriptView view{program, desktop, host, {}, desktop.ModalDepth() > 0, &dialogs.Shown(), &desktop.SyntheticLog()};
  for (const auto& m : host.Messages()) view.standard_messages.push_back({m.text, m.icon});
  return view;
}

bool QtSession::PullInput() {
  if (host.Ended() || quitting_) return false;
  // A key that opened a modal window waits here, in its loop: the scroll bars are not held back meanwhile.
  if (view_) {
    view_->Text().LetScrollBarsGo();
    view_->HoldControls(false);
  }
  Sync();
  const std::size_t waiting = desktop.Queue().Size();
  if (interactive_) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return !host.Ended() && !quitting_;
  }
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return desktop.Queue().Size() > waiting || (script_pending_ && script_pending_());
}

}  // namespace orvo::qt
