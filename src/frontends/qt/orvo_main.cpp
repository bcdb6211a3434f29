// orvo: the editor on a Linux desktop.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "app/main_window.h"
#include "frontends/headless/key_script.h"
#include "frontends/headless/start_prelude.h"
#include "platform/posix/data_folder.h"
#include "frontends/qt/display_check.h"
#include "frontends/qt/qt_session.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/qt_texts.h"
#include "frontends/qt/script_feeder.h"
#include "frontends/qt/state_dumper.h"
#include "frontends/qt/text_rescue.h"

namespace {

struct Options {
  QString folder;
  QString script;  // not in --help: a key script played after start (screenshots, checks)
  QString file;
  QString dump;  // --dump-state: the state as JSON at the end and on SIGUSR1
  QString engine;  // --engine auto|mozc|anthy; empty: the settings file's, else auto
  QString codepage;  // --codepage CP932|UTF-8|locale; empty: the settings file's, else the locale's
};

// The words of the command line that are not options are one path, joined by
// spaces (so a path with spaces needs no quotes), taken from the folder the
// program was started in.
bool ParseArgs(const QStringList& args, Options& o) {
  QStringList words;
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString& arg = args[i];
    QString* value = arg == QLatin1String("--folder")       ? &o.folder
                     : arg == QLatin1String("--script")     ? &o.script
                     : arg == QLatin1String("--dump-state") ? &o.dump
                     : arg == QLatin1String("--engine")     ? &o.engine
                     : arg == QLatin1String("--codepage")   ? &o.codepage
                                                            : nullptr;
    if (value != nullptr && i + 1 < args.size()) {
      *value = args[++i];
    } else if (!arg.startsWith(QLatin1String("--"))) {
      words << arg;
    } else {
      std::fprintf(stderr, orvo::qt::texts::kUnknownArgument, arg.toLocal8Bit().constData());
      return false;
    }
  }
  if (!words.isEmpty()) o.file = QDir::current().absoluteFilePath(words.join(QLatin1Char(' ')));
  if (!o.engine.isEmpty() && !orvo::emu::ParseEngineChoice(o.engine.toStdString())) {
    std::fprintf(stderr, orvo::qt::texts::kUnknownEngine, o.engine.toLocal8Bit().constData());
    return false;
  }
  if (!o.codepage.isEmpty() && !orvo::emu::ParseCodePage(o.codepage.toStdString())) {
    std::fprintf(stderr, orvo::qt::texts::kUnknownCodePage, o.codepage.toLocal8Bit().constData());
    return false;
  }
  return true;
}

// Read before Qt starts, so that help and the version need no screen.
bool Asks(int argc, char** argv, std::string_view what, std::string_view short_form = {}) {
  constexpr std::string_view kTakesValue[] = {"--folder", "--script", "--dump-state", "--engine", "--codepage"};
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (std::ranges::find(kTakesValue, arg) != std::end(kTakesValue)) {
      ++i;
    } else if (arg == what || (!short_form.empty() && arg == short_form)) {
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (Asks(argc, argv, "--help", "-h")) {
    std::fputs(orvo::qt::texts::kUsage, stdout);
    return 0;
  }
  const auto data = orvo::posix::FindOwnDataFolder();
  if (Asks(argc, argv, "--version")) {
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
  Options options;
  if (!ParseArgs(QApplication::arguments(), options)) return 2;

  std::vector<orvo::headless::ScriptStep> steps;
  if (!options.script.isEmpty()) {
    QFile file(options.script);
    if (!file.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, orvo::qt::texts::kCannotReadScript, options.script.toLocal8Bit().constData());
      return 2;
    }
    const QByteArray text = file.readAll();
    const auto parsed = orvo::headless::ParseScript(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    for (const auto& e : parsed.errors) {
      std::fprintf(stderr, "%s:%d: error: %s\n", options.script.toLocal8Bit().constData(), e.line, e.message.c_str());
    }
    if (!parsed.errors.empty()) return 2;
    // Played as the headless runner plays a script: the splash closed first, as a person closes it.
    steps = orvo::headless::ParseScript(orvo::headless::kStartPrelude).steps;
    steps.insert(steps.end(), parsed.steps.begin(), parsed.steps.end());
  }

  orvo::qt::QtSessionOptions session_options;
  session_options.folder = options.folder.isEmpty() ? orvo::ToUtf8(orvo::qt::QtHost::DefaultFolder())
                                                    : options.folder.toStdString();
  if (!options.folder.isEmpty() && !QDir().mkpath(options.folder)) session_options.folder.clear();
  if (session_options.folder.empty()) {
    QMessageBox::critical(nullptr, orvo::qt::ToQ(orvo::qt::texts::kBoxTitle),
                          orvo::qt::ToQ(orvo::qt::texts::kNoProgramFolder));
    return 1;
  }
  session_options.command_line = orvo::qt::FromQ(options.file);
  if (!options.engine.isEmpty()) session_options.engine = orvo::emu::ParseEngineChoice(options.engine.toStdString());
  if (!options.codepage.isEmpty()) session_options.code_page = orvo::emu::ParseCodePage(options.codepage.toStdString());

  orvo::qt::QtSession session(session_options);
  std::unique_ptr<orvo::qt::StateDumper> dumper;
  if (!options.dump.isEmpty()) {
    dumper = std::make_unique<orvo::qt::StateDumper>(session, options.dump);
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
  if (!steps.empty()) {
    feeder = std::make_unique<orvo::qt::ScriptFeeder>(session, std::move(steps), [] {
      std::fputs("orvo: script done\n", stderr);
      std::fflush(stderr);
    });
    feeder->SetOnFailure([&script_failed, &options](int line, const std::string& message) {
      script_failed = true;
      std::fprintf(stderr, "%s:%d: %s\n", options.script.toLocal8Bit().constData(), line, message.c_str());
    });
    feeder->Start();
  }
  if (session.host.Ended()) return finish(0);
  const int status = QApplication::exec();
  return finish(status == 0 && script_failed ? 1 : status);
}
