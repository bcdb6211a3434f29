// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole program on the emulated desktop, in braille mode, driven by real
// key events through the one input queue.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "braille/cell_codes.h"
#include "frontends/headless/session.h"
#include "platform/keys.h"
#include "support/temp_folder.h"

namespace orvo::testing {

// The dot keys of one Braille ASCII cell: F D S for dots 1 2 3, J K L for 4 5 6.
inline std::string ChordOf(char16_t cell) {
  for (int left = 0; left < 8; ++left) {
    for (int right = 0; right < 8; ++right) {
      if (braille::CellCodeOf(left, right) != cell) continue;
      std::string keys;
      if (left & 1) keys += 'F';
      if (left & 2) keys += 'D';
      if (left & 4) keys += 'S';
      if (right & 1) keys += 'J';
      if (right & 2) keys += 'K';
      if (right & 4) keys += 'L';
      return keys;
    }
  }
  ADD_FAILURE() << "no such cell " << static_cast<int>(cell);
  return {};
}

using test_support::TempFolder;

class Scenario : public ::testing::Test {
 protected:
  void SetUp() override {
    session_ = std::make_unique<headless::Session>(folder_.Path());
    ASSERT_TRUE(session_->Start());
  }
  void TearDown() override { session_.reset(); }

  headless::Session& S() { return *session_; }
  braille::InputState& State() { return session_->program.state; }
  MainWindow& W() { return session_->Main(); }
  const ustring& Text() { return session_->Text(); }

  void BrailleOn() {
    S().Tap(vk::kF1);
    ASSERT_TRUE(State().BrailleMode);
  }
  // Types each Braille ASCII cell as one chord.
  void Cells(std::u16string_view cells) {
    for (char16_t c : cells) S().Chord(ChordOf(c));
  }
  void Confirm() { S().Tap('N'); }
  // Runs key-script lines; a message box takes the lines after it, as from a person.
  void Script(std::string_view text) {
    const script::ParsedScript parsed = script::ParseScript(text);
    ASSERT_TRUE(parsed.errors.empty()) << parsed.errors.front().message;
    session_->Run(parsed.steps);
  }
  std::vector<ustring> Messages() {
    std::vector<ustring> texts;
    for (const auto& m : session_->program.messages.History()) texts.push_back(m.text);
    return texts;
  }
  bool AnyModifierDown() {
    return S().desktop.Keys().Down(vk::kControl) || S().desktop.Keys().Down(vk::kMenu) ||
           S().desktop.Keys().Down(vk::kShift);
  }

 private:
  TempFolder folder_;
  std::unique_ptr<headless::Session> session_;
};

}  // namespace orvo::testing
