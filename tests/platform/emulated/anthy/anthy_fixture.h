// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// anthy as these tests use it: learning off, its data folder and $HOME inside
// a temporary folder made for this test program (see TempHome).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/emulated/ime/ime_script.h"
#include "platform/emulated/anthy/anthy_engine.h"
#include "platform/emulated/ime/ime_emulator.h"

namespace orvo::emu::testing {

// Set up before any test: the temporary home and the $HOME the program had.
struct TempHomePaths {
  std::string home;       // $HOME while the tests run
  std::string real_home;  // $HOME before, empty when it was not set
};
const TempHomePaths& TempHome();

// A folder below the temporary home that does not exist yet.
std::string FreshFolder(const std::string& name);

// An anthy engine without learning; fails the test when anthy cannot start.
inline std::unique_ptr<ConversionEngine> QuietAnthy() {
  std::string error;
  auto engine = MakeAnthyEngine({FreshFolder("quiet"), false, ""}, &error);
  EXPECT_NE(engine, nullptr) << error;
  return engine;
}

// The clauses as "私は|[日本語を]|書きます", the focused one in brackets.
inline std::string ClauseView(const ImeEmulator& ime) {
  std::u16string view;
  const auto clauses = ime.Clauses();
  for (int i = 0; i < static_cast<int>(clauses.size()); ++i) {
    if (i > 0) view += u'|';
    view += i == ime.FocusedClause() ? u"[" + clauses[i].text + u"]" : clauses[i].text;
  }
  return U8(view);
}

// The IME of a text box in hiragana mode converting with anthy; what it
// confirms collects in `typed`.
struct AnthyImeFixture : ::testing::Test {
  AnthyImeFixture() : engine(QuietAnthy()), ime(engine.get()) {
    ime.SetImeMode(4);
    ime.SetCommitSink([this](const ustring& text) { typed += text; });
  }

  // Clause readings joined, to check the clauses cover the composition.
  std::u16string ClauseReadings() const {
    std::u16string out;
    for (const auto& clause : ime.Clauses()) out += clause.reading;
    return out;
  }

  std::unique_ptr<ConversionEngine> engine;
  ImeEmulator ime;
  std::u16string typed;
};

}  // namespace orvo::emu::testing
