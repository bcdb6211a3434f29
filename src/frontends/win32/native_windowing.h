// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's windowing over the Windows message queue. Every message any
// loop takes (the main loop, a modal loop, DoEvents) goes through Handle:
// key messages go through the key router (the person's held keys told from
// their repeats, the active window's preview, the focused control, the menu
// keys), and only a key nobody cancelled reaches the focused edit control,
// which types it; the characters it types pass the handlers too. Other
// controls never see keys: the forms work them from the key events.
#include <functional>
#include <memory>
#include <vector>

#include "frontends/win32/win32_api.h"
#include "platform/key_router.h"
#include "platform/keyboard.h"
#include "platform/windowing.h"

namespace orvo::win32 {

class NativeWindowing : public Windowing {
 public:
  using EditFactory = std::function<std::unique_ptr<EditControl>()>;
  NativeWindowing(const Keyboard& keyboard, EditFactory make_edit);

  // Windowing
  void DoEvents() override;
  void SetActiveWindow(KeyHandler* window) override { active_ = window; }
  KeyHandler* ActiveWindow() const override { return active_; }
  void SetFocus(KeyHandler* control, EditControl* edit) override;
  EditControl* FocusedEdit() const override { return focus_edit_; }
  bool RunModal(KeyHandler& window, const std::function<bool()>& done) override;
  std::unique_ptr<EditControl> CreateEditControl() override;

  // Takes one message, waiting for it, and handles it; false once the loop is to end (WM_QUIT).
  bool WaitAndHandle();
  // One message as every loop handles it.
  void Handle(MSG& msg);
  // The keys the person holds come up for the program, marked lost (the
  // keyboard went to another program); their real releases go there.
  void ReleaseHeld();

  // Runs after each message handled: the screen follows the models.
  void SetAfterEach(std::function<void()> after) { after_each_ = std::move(after); }
  // Asked whenever a loop has no message left and is about to wait: true
  // when it gave the program something to do (a script's step), so that the
  // loop looks again before it waits.
  void SetIdle(std::function<bool()> idle) { idle_ = std::move(idle); }
  // The idle work, where a loop of the system's own (an open menu's) is idle:
  // run again while it has work and leaves no message (such a loop says it is
  // idle once, not again until a message has come). True when it did some.
  bool RunIdle();
  // Runs after a message was dispatched to its window (a mouse button's release on the document).
  void SetAfterDispatch(std::function<void(const MSG&)> after) { after_dispatch_ = std::move(after); }
  // Whether the loops are to stop (the program ended).
  void SetEnded(std::function<bool()> ended) { ended_ = std::move(ended); }
  // A message that is not the program's: a window's own dialog handling first (true: it took it).
  void SetPreTranslate(std::function<bool(MSG&)> pre) { pre_translate_ = std::move(pre); }
  int ModalDepth() const { return modal_depth_; }
  // How many Handle calls are running, one inside another (a handler's own loop).
  int HandleDepth() const { return handle_depth_; }
  // How many key messages have come through Handle so far.
  long long KeysHandled() const { return keys_handled_; }
  // The program's own keys as they came back through the queue, oldest first.
  const std::vector<KeyEvent>& SyntheticLog() const { return synthetic_log_; }

 private:
  struct HeldKey {
    std::uint8_t vk;
    std::uint8_t scan;
  };
  // True when the message went no further.
  bool RouteKey(MSG& msg, const KeyEvent& event);
  bool RouteChar(MSG& msg);
  // Takes the next message, letting the idle work run while none waits;
  // false (no message taken) when `done` came to hold meanwhile.
  bool Take(MSG& msg, BOOL& got, const std::function<bool()>& done);
  bool IsFocusedEdit(HWND window) const;
  void Note(const KeyEvent& event);
  // Whether the person holds the key (their press of it came through and not its release).
  bool PersonHolds(int vk) const;

  const Keyboard& keyboard_;
  EditFactory make_edit_;
  KeyRouter router_;
  KeyHandler* active_ = nullptr;
  KeyHandler* focus_control_ = nullptr;
  EditControl* focus_edit_ = nullptr;
  int modal_depth_ = 0;
  int handle_depth_ = 0;
  long long keys_handled_ = 0;
  std::vector<HeldKey> held_;
  std::vector<KeyEvent> synthetic_log_;
  std::function<void()> after_each_;
  std::function<void(const MSG&)> after_dispatch_;
  std::function<bool()> idle_;
  std::function<bool()> ended_;
  std::function<bool(MSG&)> pre_translate_;
};

}  // namespace orvo::win32
