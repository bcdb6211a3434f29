// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a key script and a state dump read of a running program, in any front
// end: the program itself, the key state through the keyboard it is given, and
// what the front end keeps beside it (its own message boxes, the dialogs shown).
#include <vector>

#include "app/program.h"
#include "platform/keyboard.h"
#include "platform/keys.h"
#include "frontends/script/scripted_dialogs.h"

namespace orvo::script {

// A standard message box the host showed.
struct StandardMessageEntry {
  const ustring& text;
  int icon;
};

struct ScriptView {
  Program& program;
  const Keyboard& keyboard;
  const AppHost& host;
  std::vector<StandardMessageEntry> standard_messages;  // the host's own boxes, oldest first
  bool modal_waiting = false;                           // a modal window waits for input
  const std::vector<ShownDialog>* dialogs = nullptr;    // the dialogs shown so far
  const std::vector<KeyEvent>* synthetic_keys = nullptr;  // the keys the program sent itself
};

}  // namespace orvo::script
