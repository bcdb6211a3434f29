#include "frontends/headless/session_target.h"

#include "frontends/headless/session.h"

namespace orvo::headless {

script::ScriptView SessionTarget::View() { return session_.View(); }

void SessionTarget::Key(const KeyEvent& event) {
  session_.desktop.PostKey(event);  // a modal loop or the main loop dispatches it
}

void SessionTarget::Wait(long long ms) { session_.desktop.Clock().Advance(ms); }

void SessionTarget::Resize(int width_px, int height_px) {
  const ProgramValues& values = session_.program.values;
  Rect r = session_.Main().OuterTwips();
  r.width = width_px * values.TwipsPerPixelX;
  r.height = height_px * values.TwipsPerPixelY;
  session_.Main().Move(r);
}

void SessionTarget::Move(int left_px, int top_px) {
  const ProgramValues& values = session_.program.values;
  Rect r = session_.Main().OuterTwips();
  r.left = left_px * values.TwipsPerPixelX;
  r.top = top_px * values.TwipsPerPixelY;
  session_.Main().Move(r);
}

void SessionTarget::SetState(WindowState state) { session_.Main().SetState(state); }

void SessionTarget::Settle() { session_.desktop.DoEvents(); }

bool SessionTarget::Ended() const { return session_.host.Ended(); }

}  // namespace orvo::headless
