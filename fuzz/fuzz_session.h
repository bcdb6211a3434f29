// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole headless program for a fuzz input: a program folder emptied before
// each input, so that every input runs as on a first start.
#include <filesystem>
#include <memory>
#include <string>

#include "frontends/headless/session.h"
#include "platform/fresh_folder.h"
#include "platform/native/program_path.h"

namespace orvo::fuzz {

inline const std::string& FuzzFolder() {
  static const FreshFolder fresh("orvo-fuzz-");  // removed when the program ends
  static const std::string folder = native::PathToUtf8(fresh.Path());
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
