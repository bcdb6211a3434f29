// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/desktop.h"

#include "platform/emulated/key_sink.h"
#include "platform/emulated/text_box.h"

namespace orvo::emu {

Desktop::Desktop() = default;
Desktop::~Desktop() = default;

bool Desktop::SendKey(std::uint8_t key, std::uint8_t scan, bool up) {
  if (fail_sends_ > 0) {
    --fail_sends_;
    return false;
  }
  const KeyEvent event{key, scan, up, true};
  synthetic_log_.push_back(event);
  queue_.Push(event);
  return true;
}

void Desktop::DoEvents() {
  while (auto event = queue_.Pop()) Dispatch(*event);
}

void Desktop::SetFocus(KeyHandler* control, EditControl* edit) {
  // A box that loses the keyboard gives up the reading it was composing.
  if (edit != focus_edit_) {
    if (auto* sink = dynamic_cast<KeySink*>(focus_edit_)) sink->FocusLost();
  }
  focus_control_ = control;
  focus_edit_ = edit;
}

void Desktop::Dispatch(const KeyEvent& event) {
  // Tracked before the filter: a key let go while a menu has the keys is up.
  const KeyRouter::Held held = router_.Track(event);
  if (held == KeyRouter::Held::kNothing) return;
  if (filter_ && filter_(event)) return;
  // Handlers pump events of their own: each one is told about the event it sees.
  const bool outer_synthetic = handling_synthetic_;
  struct Restore {
    bool& flag;
    bool value;
    ~Restore() { flag = value; }
  } restore{handling_synthetic_, outer_synthetic};
  handling_synthetic_ = event.synthetic;
  keys_.Apply(event);
  const KeyRouter::Chain chain{active_, focus_control_};
  auto* sink = dynamic_cast<KeySink*>(focus_edit_);
  bool ime_took = false;
  char16_t ch = 0;
  if (!event.up && sink != nullptr) {
    ime_took = sink->ImeFilter(event.vk, keys_);
    if (!ime_took) ch = sink->TranslateChar(event.vk, keys_);
  }
  const int code = router_.Deliver(event, held, ime_took ? kVkProcessKey : event.vk, keys_.ShiftMask(), chain);
  const KeyRouter::Modifiers mods{keys_.Down(vk::kControl), keys_.Down(vk::kMenu), keys_.Down(vk::kShift)};
  if (!ime_took && router_.MenuKeys(event, code, active_, mods)) return;
  if (event.up || sink == nullptr || ime_took) return;
  if (code != 0) sink->KeyDownAction(static_cast<std::uint8_t>(code), keys_);
  ch = router_.DeliverChar(ch, chain);
  if (ch != 0) sink->CharAction(ch);
}

bool Desktop::RunModal(KeyHandler& window, const std::function<bool()>& done) {
  // Whatever way the loop ends, the windows and the focus before it come back.
  struct Restore {
    Desktop& d;
    KeyHandler* active;
    KeyHandler* control;
    EditControl* edit;
    ~Restore() {
      std::erase(d.saved_edits_, &edit);
      --d.modal_depth_;
      d.active_ = active;
      d.focus_control_ = control;
      d.focus_edit_ = edit;
    }
  } restore{*this, active_, focus_control_, focus_edit_};
  // A box closed while the modal window waits is not given the focus back.
  saved_edits_.push_back(&restore.edit);
  if (auto* sink = dynamic_cast<KeySink*>(focus_edit_)) sink->FocusLost();
  active_ = &window;
  focus_control_ = nullptr;
  focus_edit_ = nullptr;
  ++modal_depth_;
  while (!done()) {
    if (auto event = queue_.Pop()) {
      Dispatch(*event);
    } else if (!PullInput()) {
      return false;
    }
  }
  return true;
}

std::unique_ptr<EditControl> Desktop::CreateEditControl() {
  auto box = std::make_unique<TextBox>(clipboard_, engine_);
  box->Ime().SetKatakanaVu(katakana_vu_);
  boxes_.push_back(box.get());
  box->SetOnDestroy([this](TextBox* gone) {
    std::erase(boxes_, gone);
    if (focus_edit_ == static_cast<EditControl*>(gone)) focus_edit_ = nullptr;
    for (EditControl** saved : saved_edits_) {
      if (*saved == static_cast<EditControl*>(gone)) *saved = nullptr;
    }
  });
  return box;
}

void Desktop::SetKatakanaVu(bool on) {
  katakana_vu_ = on;
  for (TextBox* box : boxes_) box->Ime().SetKatakanaVu(on);
}

TextBox* Desktop::FindTextBox(WindowHandle handle) const {
  for (TextBox* box : boxes_) {
    if (box->Handle() == handle) return box;
  }
  return nullptr;
}

}  // namespace orvo::emu
