// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/state_dumper.h"

#include <QSaveFile>
#include <csignal>
#include <cstdio>

#include "frontends/script/state_dump.h"
#include "frontends/qt/qt_session.h"
#include "frontends/qt/qt_texts.h"

namespace orvo::qt {

StateDumper::StateDumper(QtSession& session, QString path)
    : session_(session), path_(std::move(path)), bridge_({SIGUSR1}, [this](int) { Write(); }, false) {}

bool StateDumper::ListenForSignal() { return bridge_.Listen(); }

nlohmann::json StateDumper::Dump() { return script::DumpState(session_.Observed()); }

bool StateDumper::Write() {
  const std::string text = Dump().dump(2) + "\n";
  QSaveFile file(path_);
  const bool ok = file.open(QIODevice::WriteOnly) &&
                  file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
                  file.commit();
  if (!ok) {
    std::fprintf(stderr, texts::kCannotWriteState, path_.toLocal8Bit().constData(),
                 file.errorString().toLocal8Bit().constData());
    return false;
  }
  ++written_;
  return true;
}

}  // namespace orvo::qt
