// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole headless program for a fuzz input: a program folder emptied before
// each input, so that every input runs as on a first start.
#include <filesystem>
#include <memory>
#include <string>

#include "frontends/headless/session.h"

namespace orvo::fuzz {

inline const std::string& FuzzFolder() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvo-fuzz-XXXXXX").string();
    return mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
  }();
  return folder;
}

// A started program in the emptied folder; dialogs no input answers are cancelled.
inline std::unique_ptr<headless::Session> FreshSession() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(FuzzFolder(), ignored)) {
    std::filesystem::remove_all(entry.path(), ignored);
  }
  auto session = std::make_unique<headless::Session>(FuzzFolder());
  session->CancelUnansweredDialogs(true);
  if (!session->Start()) return nullptr;
  return session;
}

}  // namespace orvo::fuzz
