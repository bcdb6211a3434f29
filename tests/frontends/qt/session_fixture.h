// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole program on the offscreen Qt platform, driven by Qt key and mouse
// events as a person's would arrive. Input ends when no key waits, so a modal
// loop never blocks a test.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest/QTest>
#include <initializer_list>
#include <memory>

#include "app/main_window.h"
#include "frontends/script/start_prelude.h"
#include "frontends/qt/document_edit.h"
#include "frontends/qt/main_view.h"
#include "frontends/qt/qt_session.h"
#include "frontends/qt/qt_app.h"
#include "frontends/qt/script_feeder.h"
#include "support/temp_folder.h"

namespace orvo::testing {

class QtFrontEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    ASSERT_FALSE(folder_.Path().empty());
    qt::QtSessionOptions options;
    options.folder = folder_.Path();
    options.kanji_conversion = false;
    options.interactive = false;
    options.code_page = emu::CodePage::kCp932;  // byte figures as on a Japanese system
    session_ = std::make_unique<qt::QtSession>(options);
    ASSERT_TRUE(session_->Start());
    Drain();  // the window is shown and the application activated before anyone types
    Play(script::kStartPrelude);  // the splash closed, as every run begins
  }
  // Plays key-script lines through the window's own script player.
  void Play(std::string_view script) {
    const script::ParsedScript parsed = script::ParseScript(script);
    ASSERT_TRUE(parsed.errors.empty());
    bool done = false;
    qt::ScriptFeeder feeder(*session_, parsed.steps, [&done] { done = true; });
    feeder.Start();
    for (int i = 0; i < 5000 && !done; ++i) QCoreApplication::processEvents();
    ASSERT_TRUE(done);
  }
  void TearDown() override { session_.reset(); }

  qt::QtSession& S() { return *session_; }
  qt::MainView& View() { return *session_->View(); }
  MainWindow& W() { return session_->program.Main(); }
  const ustring& Text() { return W().ActiveTextBox().Text(); }
  bool BrailleMode() { return session_->program.state.BrailleMode; }
  // The composition the document widget shows in place.
  QString PreeditShown() { return View().Text().textCursor().block().layout()->preeditAreaText(); }

  // Keys as the window system sends them: each event says which modifiers are down.
  void Press(Qt::Key key) {
    held_ |= ModifierOf(key);
    QTest::keyPress(&View(), key, held_);
  }
  void Release(Qt::Key key) {
    held_ &= ~ModifierOf(key);
    QTest::keyRelease(&View(), key, held_);
  }
  static Qt::KeyboardModifiers ModifierOf(Qt::Key key) {
    switch (key) {
      case Qt::Key_Shift:
        return Qt::ShiftModifier;
      case Qt::Key_Control:
        return Qt::ControlModifier;
      case Qt::Key_Alt:
        return Qt::AltModifier;
      default:
        return Qt::NoModifier;
    }
  }
  void Tap(Qt::Key key) {
    Press(key);
    Release(key);
  }
  // All down in order, then all up in order.
  void Chord(std::initializer_list<Qt::Key> keys) {
    for (Qt::Key k : keys) Press(k);
    for (Qt::Key k : keys) Release(k);
  }
  // A key event as the window system sends it, auto-repeat flag included.
  void Send(QEvent::Type type, Qt::Key key, bool auto_repeat) {
    QKeyEvent event(type, key, held_, QString(), auto_repeat);
    QCoreApplication::sendEvent(&View(), &event);
  }
  // Lets queued window-system events (resizes, queued menu commands) arrive.
  static void Drain() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }
  // A file of the program folder.
  std::string Path(const std::string& name) const { return folder_.Path() + "/" + name; }

  test_support::TempFolder folder_;
  std::unique_ptr<qt::QtSession> session_;
  Qt::KeyboardModifiers held_;
};

}  // namespace orvo::testing
