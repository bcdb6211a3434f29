// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting mozc for the editor: usable when its helper is installed, the user
// is not the superuser (mozc handles no key for root), mozc has a profile
// folder for the user that the user can write (its server dies without one,
// and the editor never makes one: mozc's files are mozc's) and the server
// answers a test conversion.
#include <memory>
#include <string>

#include "platform/emulated/ime/conversion_engine.h"
#include "platform/emulated/mozc/mozc_session.h"

namespace orvo::emu::mozc {

struct MozcOptions {
  // The helper program: a name looked up in $PATH, or a path.
  std::string helper = "mozc_emacs_helper";
  Timeouts timeouts;
  // Whose mozc: -1 for the user running the program.
  int uid = -1;
  // The user's home folder, given to the helper as its $HOME; empty for
  // $HOME as it is (or, when unset, the password database's).
  std::string home;
  // Off: choices are not confirmed in mozc, so it learns nothing from them.
  bool learning = true;
};

// nullptr and why in `error` when mozc is not usable.
std::unique_ptr<ConversionEngine> MakeMozcEngine(const MozcOptions& options, std::string* error);

// The folder mozc keeps the user's dictionary and history in, as mozc finds
// it; empty when none exists.
std::string MozcProfileFolder(const std::string& home);

}  // namespace orvo::emu::mozc
