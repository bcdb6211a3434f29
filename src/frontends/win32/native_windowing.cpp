// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/native_windowing.h"

#include <algorithm>

#include "frontends/win32/key_messages.h"

namespace orvo::win32 {
namespace {

bool Down(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

bool IsModifier(int vk) { return vk == VK_CONTROL || vk == VK_MENU || vk == VK_SHIFT; }

int ShiftMask() {
  return (Down(VK_SHIFT) ? shift_mask::kShift : 0) | (Down(VK_CONTROL) ? shift_mask::kCtrl : 0) |
         (Down(VK_MENU) ? shift_mask::kAlt : 0);
}

HWND WindowOf(const EditControl* edit) {
  return edit == nullptr ? nullptr : reinterpret_cast<HWND>(edit->Handle());
}

}  // namespace

NativeWindowing::NativeWindowing(const Keyboard& keyboard, EditFactory make_edit)
    : keyboard_(keyboard), make_edit_(std::move(make_edit)) {}

void NativeWindowing::SetFocus(KeyHandler* control, EditControl* edit) {
  focus_control_ = control;
  focus_edit_ = edit;
  HWND window = WindowOf(edit);
  if (window != nullptr && IsWindow(window) && IsWindowVisible(window) && GetFocus() != window) ::SetFocus(window);
}

std::unique_ptr<EditControl> NativeWindowing::CreateEditControl() { return make_edit_(); }

void NativeWindowing::DoEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that ends on it
      return;
    }
    Handle(msg);
  }
}

bool NativeWindowing::Take(MSG& msg, BOOL& got, const std::function<bool()>& done) {
  while (idle_) {
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) break;
    if (!idle_()) break;
    if (after_each_) after_each_();
    if (done && done()) return false;
  }
  got = GetMessageW(&msg, nullptr, 0, 0);
  return true;
}

bool NativeWindowing::RunIdle() {
  bool did = false;
  MSG msg;
  while (idle_ && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    if (!idle_()) break;
    did = true;
    if (after_each_) after_each_();
  }
  return did;
}

bool NativeWindowing::WaitAndHandle() {
  MSG msg;
  BOOL got = 0;
  if (!Take(msg, got, ended_)) return !ended_();
  if (got == 0 || got == -1) return false;
  Handle(msg);
  return true;
}

bool NativeWindowing::RunModal(KeyHandler& window, const std::function<bool()>& done) {
  // Whatever way the loop ends, the windows and the focus before it come back;
  // an edit control whose window went meanwhile (its box was closed) is not
  // given the focus back.
  struct Restore {
    NativeWindowing& w;
    KeyHandler* active;
    KeyHandler* control;
    EditControl* edit;
    HWND edit_window;
    ~Restore() {
      --w.modal_depth_;
      w.active_ = active;
      const bool edit_gone = edit != nullptr && (edit_window == nullptr || !IsWindow(edit_window));
      w.focus_control_ = edit_gone ? nullptr : control;
      w.focus_edit_ = edit_gone ? nullptr : edit;
    }
  } restore{*this, active_, focus_control_, focus_edit_, WindowOf(focus_edit_)};
  active_ = &window;
  focus_control_ = nullptr;
  focus_edit_ = nullptr;
  ++modal_depth_;
  while (!done()) {
    if (ended_ && ended_()) return false;
    if (after_each_) after_each_();  // the window that waits is on the screen before the wait
    if (done()) break;
    MSG msg;
    BOOL got = 0;
    if (!Take(msg, got, done)) continue;
    if (got == 0 || got == -1) {
      PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 1);  // the main loop ends on it too
      return false;
    }
    Handle(msg);
  }
  return true;
}

void NativeWindowing::Handle(MSG& msg) {
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  } depth{handle_depth_};
  bool stopped = false;
  if (auto event = KeyEventOf(msg.message, msg.wParam, msg.lParam, keyboard_.HandlingOwnKey())) {
    ++keys_handled_;
    // The system keeps one state per key for the program's keys and the
    // person's: Ctrl or Alt the program holds (the latch) make the person's
    // first press of it read as a repeat. Theirs is a press until they hold it.
    if (!event->up && event->repeat && !event->synthetic && IsModifier(event->vk) && !PersonHolds(event->vk)) {
      event->repeat = false;
    }
    stopped = RouteKey(msg, *event);
  } else if (IsCharMessage(msg.message)) {
    stopped = RouteChar(msg);
  } else if (pre_translate_ && pre_translate_(msg)) {
    stopped = true;
  }
  if (!stopped) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    if (after_dispatch_) after_dispatch_(msg);
  }
  if (after_each_) after_each_();
}

bool NativeWindowing::PersonHolds(int vk) const {
  return std::any_of(held_.begin(), held_.end(), [vk](const HeldKey& k) { return k.vk == vk; });
}

void NativeWindowing::Note(const KeyEvent& event) {
  if (event.synthetic) {
    synthetic_log_.push_back(event);
    return;
  }
  const auto it = std::find_if(held_.begin(), held_.end(), [&](const HeldKey& k) { return k.vk == event.vk; });
  if (event.up) {
    if (it != held_.end()) held_.erase(it);
  } else if (it == held_.end()) {
    held_.push_back({event.vk, event.scan});
  }
}

bool NativeWindowing::RouteKey(MSG& msg, const KeyEvent& event) {
  const KeyRouter::Held held = router_.Track(event);
  if (held == KeyRouter::Held::kNothing) return true;
  Note(event);
  const KeyRouter::Chain chain{active_, focus_control_};
  const int code = router_.Deliver(event, held, event.vk, ShiftMask(), chain);
  const KeyRouter::Modifiers mods{Down(VK_CONTROL), Down(VK_MENU), Down(VK_SHIFT)};
  if (router_.MenuKeys(event, code, active_, mods)) return true;
  if (code == 0) return true;
  // Alt with a key goes on to the system (Alt+F4 closes the window); the
  // window's menus open only when the program asks, never by the system's menu keys.
  if (msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSKEYUP) return false;
  // Only an edit control acts on the keys; the forms have worked every other control already.
  if (!IsFocusedEdit(msg.hwnd)) return true;
  msg.wParam = static_cast<WPARAM>(code);
  return false;
}

bool NativeWindowing::RouteChar(MSG& msg) {
  if (!IsFocusedEdit(msg.hwnd)) return msg.message != WM_SYSCHAR;
  const KeyRouter::Chain chain{active_, focus_control_};
  const char16_t ch = router_.DeliverChar(static_cast<char16_t>(msg.wParam), chain);
  if (ch == 0) return true;
  msg.wParam = ch;
  return false;
}

bool NativeWindowing::IsFocusedEdit(HWND window) const {
  HWND edit = WindowOf(focus_edit_);
  return edit != nullptr && (window == edit || IsChild(edit, window));
}

void NativeWindowing::ReleaseHeld() {
  const std::vector<HeldKey> held = std::move(held_);
  held_.clear();
  for (const HeldKey& key : held) {
    KeyEvent event{key.vk, key.scan, true, false};
    event.lost = true;
    router_.Track(event);
    router_.Deliver(event, KeyRouter::Held::kEvent, event.vk, ShiftMask(), {active_, focus_control_});
  }
  if (after_each_) after_each_();
}

}  // namespace orvo::win32
