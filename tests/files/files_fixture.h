// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole program in a folder of its own, with helpers to write and read its
// files and to run script lines against it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "frontends/headless/session.h"
#include "support/temp_folder.h"

namespace orvo::testing {

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override { Restart(); }

  // A fresh program in the same folder, given a command line.
  void Restart(const std::string& command_line = {}) {
    session_.reset();
    session_ = std::make_unique<headless::Session>(folder_.Path(), FromUtf8(command_line));
    ASSERT_TRUE(session_->Start());
  }

  // The program killed where it stands and started again in the same folder,
  // the script's lines the input of its start (a message box at the first
  // activation takes them) and of what follows.
  void RestartWith(const std::string& script, const std::string& command_line = {}) {
    const script::ParsedScript parsed = script::ParseScript(script);
    for (const auto& e : parsed.errors) ADD_FAILURE() << "line " << e.line << ": " << e.message;
    session_.reset();
    session_ = std::make_unique<headless::Session>(folder_.Path(), FromUtf8(command_line));
    ASSERT_TRUE(session_->Start(parsed.steps));
    if (const auto& failed = S().Failed()) ADD_FAILURE() << "line " << failed->line << ": " << failed->message;
  }

  headless::Session& S() { return *session_; }
  std::string Path(const std::string& name) const { return folder_.Path() + "/" + name; }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  std::string Bytes(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  // Runs script lines; a failed expectation or a script error fails the test.
  void Run(const std::string& script) {
    const script::ParsedScript parsed = script::ParseScript(script);
    for (const auto& e : parsed.errors) ADD_FAILURE() << "line " << e.line << ": " << e.message;
    ASSERT_TRUE(parsed.errors.empty());
    S().Run(parsed.steps);
    if (const auto& failed = S().Failed()) ADD_FAILURE() << "line " << failed->line << ": " << failed->message;
  }

  // A fresh program opens a file of these bytes through the open dialog.
  void OpenAfresh(const std::string& name, const std::string& bytes) {
    Restart();
    Write(name, bytes);
    Run("menu mnuFILE_OPEN\ndialog " + name + "\n");
  }

  std::u16string Text() { return S().Text(); }
  std::u16string LastMessage() const {
    const auto& history = session_->program.messages.History();
    return history.empty() ? std::u16string() : history.back().text;
  }
  bool Modified() { return S().Main().ActiveTextBox().Modified(); }

 private:
  test_support::TempFolder folder_;
  std::unique_ptr<headless::Session> session_;
};

}  // namespace orvo::testing
