#pragma once
// The state of a running program as one JSON object, the same for every front end.
#include <nlohmann/json.hpp>
#include <vector>

#include "app/program.h"
#include "platform/emulated/desktop.h"
#include "frontends/headless/session.h"

namespace orvo::headless {

// A standard message box the host showed, oldest first.
struct StandardMessageEntry {
  const ustring& text;
  int icon;
};

// What a dump reads: the parts every front end's session has.
struct StateSources {
  Program& program;
  const emu::Desktop& desktop;
  const AppHost& host;
  std::vector<StandardMessageEntry> standard_messages;
  bool modal_waiting = false;
  const std::vector<ShownDialog>* dialogs = nullptr;  // the dialogs shown, where they are kept
};

nlohmann::json DumpState(const StateSources& sources);
nlohmann::json DumpState(Session& session);

}  // namespace orvo::headless
