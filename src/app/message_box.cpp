#include "app/message_box.h"

#include "platform/keys.h"

namespace orvo {
namespace {

const MessageButton kOkButton{u"ＯＫ", mb_result::kOk, 0};
const MessageButton kCancelButton{u"キャンセル", mb_result::kCancel, 0};
const MessageButton kYesButton{u"はい(&Y)", mb_result::kYes, u'Y'};
const MessageButton kNoButton{u"いいえ(&N)", mb_result::kNo, u'N'};
const MessageButton kBlankButton{u"", mb_result::kNone, 0};

struct ButtonSet {
  std::vector<MessageButton> buttons;
  bool esc_cancels;
};

const ButtonSet& SetOf(int button_set) {
  static const ButtonSet kSets[] = {
      {{kOkButton}, false},                           // 0
      {{kOkButton, kCancelButton}, true},             // 1
      {{kBlankButton}, false},                        // 2
      {{kYesButton, kNoButton, kCancelButton}, true}, // 3
      {{kYesButton, kNoButton}, false},               // 4
      {{kBlankButton}, true},                         // 5
  };
  return kSets[button_set];
}

// The modal box itself: the focused button, Tab and the arrows to move among
// the buttons, Enter or Space to press one, mnemonics, Esc where allowed.
class BoxWindow : public KeyHandler {
 public:
  explicit BoxWindow(const MessageStyle& style) : style_(style) {}

  void KeyDown(int& key, int shift) override {
    const int count = static_cast<int>(style_.buttons.size());
    switch (key) {
      case vk::kReturn:
      case vk::kSpace:
        Choose(style_.buttons[static_cast<std::size_t>(focus_)].result);
        break;
      case vk::kEscape:
        if (style_.esc_cancels) Choose(mb_result::kCancel);
        break;
      case vk::kTab:
        focus_ = (shift & shift_mask::kShift) ? (focus_ + count - 1) % count : (focus_ + 1) % count;
        break;
      case vk::kLeft:
      case vk::kUp:
        focus_ = (focus_ + count - 1) % count;
        break;
      case vk::kRight:
      case vk::kDown:
        focus_ = (focus_ + 1) % count;
        break;
      default:
        for (const MessageButton& b : style_.buttons) {
          if (b.mnemonic != 0 && key == b.mnemonic) Choose(b.result);
        }
        break;
    }
    key = 0;
  }
  void KeyUp(int& key, int) override { key = 0; }

  bool Done() const { return done_; }
  int Result() const { return result_; }

 private:
  void Choose(int result) {
    result_ = result;
    done_ = true;
  }
  const MessageStyle& style_;
  int focus_ = 0;
  int result_ = mb_result::kNone;
  bool done_ = false;
};

}  // namespace

MessageStyle StyleOf(int flags) {
  MessageStyle style;
  const int icon = (flags / 16) * 16;
  const int set = flags - icon;
  const bool known_icon = icon == 0 || icon == 16 || icon == 32 || icon == 48 || icon == 64;
  if (flags >= 0 && known_icon && set >= 0 && set <= 5) {
    style.icon = icon;
    style.button_set = set;
  }
  const ButtonSet& buttons = SetOf(style.button_set);
  style.buttons = buttons.buttons;
  style.esc_cancels = buttons.esc_cancels;
  return style;
}

int MessageBox::MSG_BOX(int owner, const ustring& text, int flags, const ustring&) {
  const MessageStyle style = StyleOf(flags);
  BoxWindow box(style);
  history_.push_back({owner, text, flags, mb_result::kNone});
  const std::size_t index = history_.size() - 1;
  ++depth_;
  windowing_.RunModal(box, [&] { return box.Done(); });
  --depth_;
  history_[index].result = box.Result();
  windowing_.DoEvents();
  return box.Result();
}

}  // namespace orvo
