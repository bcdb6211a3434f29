// orvo: the editor on a Linux desktop.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <cstdio>
#include <memory>

#include "platform/headless/key_script.h"
#include "platform/qt/qt_session.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/script_feeder.h"
#include "platform/qt/state_dumper.h"

namespace {

struct Options {
  QString folder;
  QString script;  // not in --help: a key script played after start (screenshots, checks)
  QString file;
  QString dump;  // --dump-state: the state as JSON at the end and on SIGUSR1
};

bool ParseArgs(const QStringList& args, Options& o) {
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString& arg = args[i];
    QString* value = arg == QLatin1String("--folder")       ? &o.folder
                     : arg == QLatin1String("--script")     ? &o.script
                     : arg == QLatin1String("--dump-state") ? &o.dump
                                                            : nullptr;
    if (value != nullptr && i + 1 < args.size()) {
      *value = args[++i];
    } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
      std::fputs("usage: orvo [--folder DIR] [--dump-state JSON] [FILE]\n", stdout);
      std::exit(0);
    } else if (!arg.startsWith(QLatin1String("--")) && o.file.isEmpty()) {
      o.file = arg;
    } else {
      std::fprintf(stderr, "orvo: unknown argument '%s'\n", arg.toLocal8Bit().constData());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("orvo"));
  Options options;
  if (!ParseArgs(QApplication::arguments(), options)) return 2;

  std::vector<orvo::headless::ScriptStep> steps;
  if (!options.script.isEmpty()) {
    QFile file(options.script);
    if (!file.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "orvo: cannot read %s\n", options.script.toLocal8Bit().constData());
      return 2;
    }
    const QByteArray text = file.readAll();
    const auto parsed = orvo::headless::ParseScript(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    for (const auto& e : parsed.errors) {
      std::fprintf(stderr, "%s:%d: error: %s\n", options.script.toLocal8Bit().constData(), e.line, e.message.c_str());
    }
    if (!parsed.errors.empty()) return 2;
    steps = parsed.steps;
  }

  orvo::qt::QtSessionOptions session_options;
  session_options.folder = options.folder.isEmpty() ? orvo::ToUtf8(orvo::qt::QtHost::DefaultFolder())
                                                    : options.folder.toStdString();
  if (!options.folder.isEmpty() && !QDir().mkpath(options.folder)) session_options.folder.clear();
  if (session_options.folder.empty()) {
    QMessageBox::critical(nullptr, QStringLiteral("Orvo"), QStringLiteral("設定フォルダーを作れません。"));
    return 1;
  }
  session_options.command_line = orvo::qt::FromQ(options.file);

  orvo::qt::QtSession session(session_options);
  std::unique_ptr<orvo::qt::StateDumper> dumper;
  if (!options.dump.isEmpty()) {
    dumper = std::make_unique<orvo::qt::StateDumper>(session, options.dump);
    if (!dumper->ListenForSignal()) std::fputs("orvo: SIGUSR1 cannot ask for the state\n", stderr);
  }
  // The last state is written however the run ends, a refused start included.
  const auto finish = [&dumper](int status) {
    if (dumper && !dumper->Write() && status == 0) status = 1;
    return status;
  };
  if (!session.Start()) return finish(0);
  std::unique_ptr<orvo::qt::ScriptFeeder> feeder;
  if (!steps.empty()) {
    feeder = std::make_unique<orvo::qt::ScriptFeeder>(session, std::move(steps), [] {
      std::fputs("orvo: script done\n", stderr);
      std::fflush(stderr);
    });
    feeder->Start();
  }
  if (session.host.Ended()) return finish(0);
  return finish(QApplication::exec());
}
