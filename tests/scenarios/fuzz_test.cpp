// SPDX-License-Identifier: GPL-3.0-or-later
// Long random key streams through the input queue: whatever the order and
// timing, the program keeps working and leaves no modifier down.
#include <algorithm>
#include <random>
#include <sstream>

#include "scenarios/scenario_fixture.h"

namespace orvo::testing {
namespace {

// Keys a person might press in braille mode, the dot keys most often.
constexpr const char* kKeys[] = {
    "F", "D", "S", "J", "K", "L", "F", "D", "S", "J", "K", "L", "F", "J", "K", "D",
    "Space", "N", "H", "G", "U", "I", "O", "M", "A", "Semicolon", "P", "Q", "T", "W", "R", "Z",
    "C", "V", "Comma", "Period", "E", "Enter", "Backspace", "Delete", "Left", "Right", "Up",
    "Down", "Shift", "Ctrl", "Alt", "Tab", "F7", "F8", "F9", "F10", "F1", "F6", "Kanji",
};

// Whole chords, weighted towards the cells that wait for a special sound (2-6,
// 2-5-6, 4-5-6, 4-6, the connecting sign 3-6) and the kana that complete them.
constexpr const char* kChords[] = {
    "DL", "DKL", "JKL", "JL", "SL", "DL", "DKL", "JKL",   // the waiting cells
    "FD", "FDJ", "DJ", "FSK", "FDSK", "FSJK", "FSL", "FDSL", "FDSJL", "DSJL", "FL", "FDJL",
    "SJKL",  // the number sign
};

bool AnyHeld(const std::vector<std::string>& held, const std::string& chord) {
  for (char key : chord) {
    if (std::find(held.begin(), held.end(), std::string(1, key)) != held.end()) return true;
  }
  return false;
}

std::string RandomScript(unsigned seed, int events) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kKeys) - 1);
  std::uniform_int_distribution<std::size_t> pick_chord(0, std::size(kChords) - 1);
  std::uniform_int_distribution<int> action(0, 11);
  std::vector<std::string> held;
  std::ostringstream script;
  script << "tap F1\n";
  for (int i = 0; i < events; ++i) {
    const int a = action(random);
    if (a >= 10) {
      const std::string chord = kChords[pick_chord(random)];
      if (!AnyHeld(held, chord)) script << "chord " << chord << "\n";
    } else if (a < 4 || held.empty()) {
      const std::string key = kKeys[pick(random)];
      script << "press " << key << "\n";
      held.push_back(key);
    } else if (a < 8) {
      std::uniform_int_distribution<std::size_t> which(0, held.size() - 1);
      const std::size_t k = which(random);
      script << "release " << held[k] << "\n";
      held.erase(held.begin() + static_cast<std::ptrdiff_t>(k));
    } else if (a == 8) {
      script << "tap Enter\n";  // answers a message box if one waits
    } else {
      script << "wait 450\n";
    }
  }
  for (const std::string& key : held) script << "release " << key << "\n";
  script << "tap Enter\ntap Enter\nwait 500\ntap Enter\n";
  return script.str();
}

class KeyStorm : public Scenario, public ::testing::WithParamInterface<unsigned> {};

TEST_P(KeyStorm, LeavesTheProgramWorking) {
  S().CancelUnansweredDialogs(true);  // the storm may open the file menu's dialogs
  Script(RandomScript(GetParam(), 3000));
  if (S().host.Ended()) {
    EXPECT_FALSE(AnyModifierDown());
    return;
  }
  EXPECT_FALSE(State().SynthBusy);
  EXPECT_FALSE(State().ConfirmBusy);
  EXPECT_GE(State().DotKeyCount, 0);
  if (State().BrailleMode) {
    EXPECT_EQ(State().LatchHeld, S().desktop.Keys().Down(vk::kControl));
    EXPECT_EQ(State().LatchHeld, S().desktop.Keys().Down(vk::kMenu));
    // Braille typing still works: a clean cell composes.
    Script("tap R\ntap Enter\ntap N\n");
    const std::size_t before = Text().size();
    Cells(u"A");
    Confirm();
    EXPECT_GT(Text().size(), before);
    Cells(u"5");  // a mark waiting for its sound, then braille mode ends
    S().Tap(vk::kF1);
  }
  if (!State().BrailleMode) {
    EXPECT_FALSE(S().program.conversion.PrefixPending());
    EXPECT_FALSE(AnyModifierDown());
    EXPECT_FALSE(State().LatchHeld);
    EXPECT_FALSE(S().desktop.Keys().Down(vk::kControl) && S().desktop.Keys().Down(vk::kMenu));
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, KeyStorm, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u));

}  // namespace
}  // namespace orvo::testing
