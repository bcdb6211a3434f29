// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/session_target.h"

#include "frontends/headless/session.h"

namespace orvo::headless {
namespace {

// The main window's outer rectangle (twips), changed as `change` says.
template <typename Change>
void MoveMain(Session& session, Change change) {
  Rect r = session.Main().OuterTwips();
  change(r, session.program.values);
  session.Main().Move(r);
}

}  // namespace

script::ScriptView SessionTarget::View() { return session_.View(); }

void SessionTarget::Key(const KeyEvent& event) {
  session_.desktop.PostKey(event);  // a modal loop or the main loop dispatches it
}

void SessionTarget::Wait(long long ms) { session_.desktop.Clock().Advance(ms); }

void SessionTarget::Resize(int width_px, int height_px) {
  MoveMain(session_, [&](Rect& r, const ProgramValues& v) {
    r.width = width_px * v.TwipsPerPixelX;
    r.height = height_px * v.TwipsPerPixelY;
  });
}

void SessionTarget::Move(int left_px, int top_px) {
  MoveMain(session_, [&](Rect& r, const ProgramValues& v) {
    r.left = left_px * v.TwipsPerPixelX;
    r.top = top_px * v.TwipsPerPixelY;
  });
}

void SessionTarget::SetState(WindowState state) { session_.Main().SetState(state); }

void SessionTarget::Settle() { session_.desktop.DoEvents(); }

bool SessionTarget::Ended() const { return session_.host.Ended(); }

}  // namespace orvo::headless
