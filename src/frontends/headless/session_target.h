// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The headless session as a key script's target: keys go on the input queue
// for the loop that is waiting to take them, waits move the program's clock
// at once, and the window's size and place are set on the main window itself.
#include "frontends/script/script_target.h"

namespace orvo::headless {

class Session;

class SessionTarget final : public script::ScriptTarget {
 public:
  explicit SessionTarget(Session& session) : session_(session) {}

  script::ScriptView View() override;
  void Key(const KeyEvent& event) override;
  void Wait(long long ms) override;
  void Resize(int width_px, int height_px) override;
  void Move(int left_px, int top_px) override;
  void SetState(WindowState state) override;
  void Settle() override;
  bool Ended() const override;
  bool CanRestart() const override { return true; }

 private:
  Session& session_;
};

}  // namespace orvo::headless
