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

// What a real key event is to the person's keys: a press or release, a repeat
// of a key held down, or nothing at all (the release some window systems send
// before each repeat, or a repeat that arrives after its key came up).
Desktop::Held Desktop::Track(const KeyEvent& event) {
  if (event.synthetic) return Held::kEvent;
  bool& held = held_[event.vk];
  if (event.up) {
    if (event.repeat) return Held::kNothing;
    held = false;
    return Held::kEvent;
  }
  if (held) return Held::kRepeat;
  if (event.repeat) return Held::kNothing;
  held = true;
  return Held::kEvent;
}

void Desktop::Dispatch(const KeyEvent& event) {
  // Tracked before the filter: a key let go while a menu has the keys is up.
  const Held held = Track(event);
  if (held == Held::kNothing) return;
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
  const int shift = keys_.ShiftMask();
  KeyHandler* window = active_;
  KeyHandler* control = focus_control_;
  auto* sink = dynamic_cast<KeySink*>(focus_edit_);
  bool ime_took = false;
  char16_t ch = 0;
  if (!event.up && sink != nullptr) {
    ime_took = sink->ImeFilter(event.vk, keys_);
    if (!ime_took) ch = sink->TranslateChar(event.vk, keys_);
  }
  int code = ime_took ? kVkProcessKey : event.vk;
  if (event.lost && window != nullptr) window->KeysLost();
  const auto deliver = [&](KeyHandler& to) {
    if (event.up) {
      to.KeyUp(code, shift);
    } else if (held == Held::kRepeat) {
      to.KeyRepeat(code, shift);
    } else {
      to.KeyDown(code, shift);
    }
  };
  if (window != nullptr) deliver(*window);
  if (code != 0 && control != nullptr && control != window) deliver(*control);
  if (!ime_took && MenuKeys(event, code, window)) return;
  if (event.up || sink == nullptr || ime_took) return;
  if (code != 0) sink->KeyDownAction(static_cast<std::uint8_t>(code), keys_);
  if (ch != 0 && window != nullptr) window->KeyPress(ch);
  if (ch != 0 && control != nullptr && control != window) control->KeyPress(ch);
  if (ch != 0) sink->CharAction(ch);
}

bool Desktop::MenuKeys(const KeyEvent& event, int code, KeyHandler* window) {
  if (window == nullptr) return false;
  const bool ctrl = keys_.Down(vk::kControl);
  if (event.vk == vk::kMenu) {
    // Alt alone: down and up with nothing between, neither cancelled, Ctrl not held.
    if (!event.up) {
      alt_alone_ = code != 0 && !ctrl ? AltAlone::kDown : AltAlone::kSpoilt;
      return false;
    }
    const bool alone = alt_alone_ == AltAlone::kDown && code != 0;
    alt_alone_ = AltAlone::kNo;
    return alone && window->MenuKey(0);
  }
  if (!event.up && alt_alone_ == AltAlone::kDown) alt_alone_ = AltAlone::kSpoilt;
  if (event.up || code == 0) return false;
  const bool alt = keys_.Down(vk::kMenu);
  if (event.vk == vk::kF10 && !alt && !ctrl && !keys_.Down(vk::kShift)) return window->MenuKey(0);
  const bool letter = (event.vk >= 'A' && event.vk <= 'Z') || (event.vk >= '0' && event.vk <= '9');
  if (alt && !ctrl && letter) return window->MenuKey(static_cast<char16_t>(event.vk));
  return false;
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
