// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/text_rescue.h"

#include <time.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "frontends/qt/qt_texts.h"

namespace orvo::qt {
namespace {

TextRescue* g_armed = nullptr;

void RescueAtExit() {
  try {
    if (g_armed != nullptr) g_armed->Rescue();
  } catch (...) {
    // Nothing may escape an exit handler; the run is ending either way.
  }
}

void EndBySignal(int signal) {
  std::signal(signal, SIG_DFL);
  std::raise(signal);
  std::_Exit(128 + signal);
}

}  // namespace

TextRescue::TextRescue(Source source, std::string folder)
    : rescue_(files_, std::move(source), std::move(folder)),
      clock_([] { return std::time(nullptr); }),
      after_signal_(EndBySignal),
      bridge_({SIGTERM, SIGHUP},
              [this](int signal) {
                Rescue();
                after_signal_(signal);
              },
              true) {}

TextRescue::~TextRescue() {
  if (g_armed == this) g_armed = nullptr;
}

bool TextRescue::Arm() {
  if (g_armed == this) return true;
  if (g_armed != nullptr) return false;
  static const bool registered = std::atexit(RescueAtExit) == 0;
  if (!registered) return false;
  g_armed = this;
  return true;
}

bool TextRescue::ListenForSignals() { return bridge_.Listen(); }

RescueResult TextRescue::Rescue() {
  const std::time_t when = clock_();
  std::tm local{};
  if (::localtime_r(&when, &local) == nullptr) local = std::tm{};
  const RescueResult result = rescue_.Rescue(local);
  if (result.written) {
    std::fprintf(stderr, texts::kRescued, result.path.c_str());
    std::fprintf(stderr, texts::kRescuedEnglish, result.path.c_str());
  } else if (!result.error.empty()) {
    std::fprintf(stderr, texts::kRescueFailed, result.error.c_str());
    std::fprintf(stderr, texts::kRescueFailedEnglish, rescue_.Folder().c_str(), result.error.c_str());
  }
  std::fflush(stderr);
  return result;
}

}  // namespace orvo::qt
