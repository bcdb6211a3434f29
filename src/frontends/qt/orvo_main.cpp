// SPDX-License-Identifier: GPL-3.0-or-later
// orvo: the editor on a Linux desktop.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "frontends/script/script_source.h"
#include "frontends/shared/options.h"
#include "platform/posix/data_folder.h"
#include "frontends/qt/display_check.h"
#include "frontends/qt/qt_session.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/qt_texts.h"
#include "frontends/qt/qt_translations.h"
#include "frontends/qt/script_feeder.h"
#include "frontends/qt/state_dumper.h"
#include "frontends/qt/text_rescue.h"

namespace {

// The window's own options, beside the ones both programs take.
constexpr orvo::options::OptionRow kOwnOptions[] = {
    {"--script", true},      // not in --help: a key script played after start (screenshots, checks)
    {"--dump-state", true},  // the state as JSON at the end and on SIGUSR1
};

}  // namespace

int main(int argc, char** argv) {
  // Help and the version are read before Qt starts, so that they need no screen.
  const auto asked = orvo::options::ParseCommandLine(orvo::options::Arguments(argc, argv), kOwnOptions);
  if (asked.help) {
    std::fputs(orvo::qt::texts::kUsage, stdout);
    return 0;
  }
  const auto data = orvo::posix::FindOwnDataFolder();
  if (asked.version) {
    std::printf(orvo::qt::texts::kVersionLine, std::string(orvo::posix::ProgramVersion()).c_str(),
                data.path.empty() ? data.problem.c_str() : data.path.c_str());
    return 0;
  }
  if (data.path.empty()) std::fprintf(stderr, orvo::qt::texts::kDataProblem, data.problem.c_str());
  const auto display = orvo::qt::CheckDisplay(orvo::qt::ReadDisplayEnv(argc, argv), orvo::qt::ProbeSocket);
  if (!display.reachable) {
    orvo::qt::ReportNoDisplay(display.reason);
    return orvo::qt::kNoDisplayStatus;
  }
  // Qt 6.4 joins the accessibility bus only if a screen reader was running
  // when the window opened, and never hears of one started later; a reader
  // started after the window must find it all the same.
  if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
  }
  auto start_guard = std::make_unique<orvo::qt::StartFailureGuard>();
  QApplication app(argc, argv);
  start_guard.reset();
  QApplication::setApplicationName(QStringLiteral("orvo"));
  orvo::qt::InstallQtTranslations(app);  // without them Qt's dialogs stay in English
  // Qt has taken its own options (-platform, -display) out of these.
  std::vector<std::string> args;
  for (const QString& arg : QApplication::arguments().mid(1)) args.push_back(arg.toStdString());
  const auto line = orvo::options::ParseCommandLine(args, kOwnOptions);
  if (line.Wrong()) {
    orvo::options::ReportWrong(line, orvo::qt::texts::kProgramName, stderr);
    return 2;
  }
  const std::string script_path = line.Value("--script");
  const QString dump_path = QString::fromStdString(line.Value("--dump-state"));
  // The words that are not options are one path, joined by spaces (so a path
  // with spaces needs no quotes), taken from the folder the program was started in.
  QString file_path;
  if (!line.words.empty()) {
    QStringList words;
    for (const std::string& word : line.words) words << QString::fromStdString(word);
    file_path = QDir::current().absoluteFilePath(words.join(QLatin1Char(' ')));
  }

  std::vector<orvo::script::ScriptStep> steps;
  if (line.Has("--script")) {
    const auto text = orvo::script::ReadScriptFile(script_path);
    if (!text) {
      std::fprintf(stderr, orvo::qt::texts::kCannotReadScript, script_path.c_str());
      return 2;
    }
    auto parsed = orvo::script::ParseOrReport(*text, script_path, std::cerr);
    if (!parsed) return 2;
    steps = std::move(*parsed);
  }

  orvo::qt::QtSessionOptions session_options;
  session_options.folder = line.folder.empty() ? orvo::ToUtf8(orvo::qt::QtHost::DefaultFolder()) : line.folder;
  if (!line.folder.empty() && !QDir().mkpath(QString::fromStdString(line.folder))) session_options.folder.clear();
  if (session_options.folder.empty()) {
    QMessageBox::critical(nullptr, orvo::qt::ToQ(orvo::qt::texts::kBoxTitle),
                          orvo::qt::ToQ(orvo::qt::texts::kNoProgramFolder));
    return 1;
  }
  session_options.command_line = orvo::qt::FromQ(file_path);
  session_options.engine = line.engine;
  session_options.code_page = line.code_page;

  orvo::qt::QtSession session(session_options);
  std::unique_ptr<orvo::qt::StateDumper> dumper;
  if (!dump_path.isEmpty()) {
    dumper = std::make_unique<orvo::qt::StateDumper>(session, dump_path);
    if (!dumper->ListenForSignal()) std::fputs(orvo::qt::texts::kNoStateSignal, stderr);
  }
  // The document for a rescue when the run ends abruptly (the X connection
  // lost, the session ending). It runs at exit, so it reads program state only.
  const auto document = [&session]() -> orvo::qt::RescueSnapshot {
    if (!session.program.Running()) return {};
    const auto& box = session.program.Main().ActiveTextBox();
    return {box.Text(), box.Modified()};
  };
  orvo::qt::TextRescue rescue(document, session_options.folder);
  // Into the recovery copy, so that the next start offers the text back.
  rescue.SetWriter([&session](const orvo::qt::RescueSnapshot&) -> orvo::qt::RescueResult {
    orvo::files::RecoveryCopy& copy = session.program.recovery;
    if (copy.WriteNow()) return {true, orvo::ToUtf8(copy.Path()), ""};
    return {false, "", orvo::ToUtf8(copy.LastError().description)};
  });
  if (!rescue.Arm() || !rescue.ListenForSignals()) std::fputs(orvo::qt::texts::kNoRescue, stderr);
  // The last state is written however the run ends, a refused start included.
  const auto finish = [&dumper, &rescue](int status) {
    // Only a loop that ended without the program's own shutdown finds text here.
    rescue.Rescue();
    rescue.EndedNormally();
    if (dumper && !dumper->Write() && status == 0) status = 1;
    return status;
  };
  if (!session.Start()) return finish(0);
  std::unique_ptr<orvo::qt::ScriptFeeder> feeder;
  bool script_failed = false;
  if (line.Has("--script")) {
    // Played as the headless runner plays a script: the splash closed first, as a person closes it.
    feeder = std::make_unique<orvo::qt::ScriptFeeder>(
        session, std::move(steps),
        [] {
          std::fputs("orvo: script done\n", stderr);
          std::fflush(stderr);
        },
        orvo::qt::ScriptFeeder::Prelude::kFirst);
    feeder->SetOnFailure([&script_failed, &script_path](int at, const std::string& message) {
      script_failed = true;
      std::fprintf(stderr, "%s:%d: %s\n", script_path.c_str(), at, message.c_str());
    });
    feeder->Start();
  }
  int status = 0;
  if (!session.host.Ended()) status = QApplication::exec();
  // What should hold once the program has ended is still checked.
  if (feeder) feeder->Finish();
  return finish(status == 0 && script_failed ? 1 : status);
}
