// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real mozc as these tests use it: only through run-unprivileged, which
// gives the program a throwaway home with a mozc profile folder in it (and
// runs it as an unprivileged user when started as root). Without that home,
// or without mozc, the tests that need mozc skip and say why.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/emulated/ime/conversion_engine.h"
#include "platform/emulated/mozc/mozc_start.h"

namespace orvo::emu::testing {

// Empty when the real mozc may be used here, else why not.
std::string WhyNoMozc();

#define SKIP_WITHOUT_MOZC()                                         \
  do {                                                              \
    if (const std::string why = WhyNoMozc(); !why.empty()) {        \
      GTEST_SKIP() << "mozc tests skipped: " << why;                \
    }                                                               \
  } while (false)

// mozc for a test; fails the test when it does not start.
std::unique_ptr<ConversionEngine> RealMozc();

// Kills the mozc servers of this user running with `home` (this test
// program's own: the one of its throwaway home unless another is named).
int EndOwnServers(const std::string& home = {});

}  // namespace orvo::emu::testing
