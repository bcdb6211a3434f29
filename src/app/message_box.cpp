#include "app/message_box.h"

#include <cmath>
#include <exception>

#include "app/message_layout.h"
#include "app/message_texts.h"
#include "platform/keys.h"

namespace orvo {
namespace {

namespace t = message_texts;

struct IconRow {
  int code;
  MessageIcon icon;
  std::uint32_t text_color;
};

constexpr IconRow kIcons[] = {
    {0, MessageIcon::kNone, mb_color::kDarkBlue},
    {16, MessageIcon::kStop, mb_color::kDarkRed},
    {32, MessageIcon::kQuestion, mb_color::kDarkBlue},
    {48, MessageIcon::kExclamation, mb_color::kDarkRed},
    {64, MessageIcon::kInformation, mb_color::kDarkBlue},
};

struct ButtonSetRow {
  std::u16string_view captions[3];  // left to right, the first `count` of them
  int count;
  bool esc_cancels;
};

// Indexed by button set.
// clang-format off
constexpr ButtonSetRow kButtonSets[] = {
    {{t::kOk}, 1, false},
    {{t::kOk, t::kCancel}, 2, true},
    {{t::kBlank}, 1, false},
    {{t::kYes, t::kNo, t::kCancel}, 3, true},
    {{t::kYes, t::kNo}, 2, false},
    {{t::kBlank}, 1, true},
};
// clang-format on

struct TagResultRow {
  std::u16string_view tag;
  int result;
};

constexpr TagResultRow kResults[] = {
    {t::kOk, mb_result::kOk},
    {t::kCancel, mb_result::kCancel},
    {t::kYes, mb_result::kYes},
    {t::kNo, mb_result::kNo},
};

// Nominal point size of the box's text and buttons.
constexpr int kMessageFontNominal = 10;

const IconRow* IconRowOf(int code) {
  for (const IconRow& row : kIcons) {
    if (row.code == code) return &row;
  }
  return nullptr;
}

int ResultOfTag(ustring_view tag) {
  for (const TagResultRow& row : kResults) {
    if (row.tag == tag) return row.result;
  }
  return mb_result::kNone;
}

char16_t MnemonicOf(ustring_view caption) {
  const auto amp = caption.find(u'&');
  if (amp == ustring_view::npos || amp + 1 >= caption.size()) return 0;
  const char16_t c = caption[amp + 1];
  return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

int RoundTwips(double twips) { return static_cast<int>(std::lround(twips)); }

// The screen pointer is the default while a box is up and comes back after,
// on every way out.
class PointerKeeper {
 public:
  explicit PointerKeeper(Shell& shell) : shell_(shell), saved_(shell.MousePointer()) {
    shell_.SetMousePointer(mouse_pointer::kDefault);
  }
  ~PointerKeeper() { shell_.SetMousePointer(saved_); }
  PointerKeeper(const PointerKeeper&) = delete;
  PointerKeeper& operator=(const PointerKeeper&) = delete;

 private:
  Shell& shell_;
  int saved_;
};

}  // namespace

const char* IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kNone:
      return "none";
    case MessageIcon::kOwner:
      return "owner";
    case MessageIcon::kStop:
      return "stop";
    case MessageIcon::kQuestion:
      return "question";
    case MessageIcon::kExclamation:
      return "exclamation";
    case MessageIcon::kInformation:
      return "information";
  }
  return "none";
}

MessageStyle StyleOf(int flags) {
  MessageStyle style;
  const int set = flags % 16;
  const IconRow* icon = flags >= 0 ? IconRowOf(flags - set) : nullptr;
  if (icon != nullptr && set <= 5) {
    style.icon_code = icon->code;
    style.button_set = set;
    style.text_color = icon->text_color;
  }
  const ButtonSetRow& row = kButtonSets[style.button_set];
  for (int i = 0; i < row.count; ++i) {
    const ustring caption(row.captions[i]);
    style.buttons.push_back({caption, caption, ResultOfTag(caption), MnemonicOf(caption), {}});
  }
  style.esc_cancels = row.esc_cancels;
  return style;
}

// The modal window of one box: keys before its buttons, Tab and the arrows to
// move among the buttons, Enter or Space to press the focused one, the
// mnemonic letters with or without Alt, and Esc where the set allows it.
class MessageBox::BoxWindow : public KeyHandler {
 public:
  BoxWindow(MessageBoxModel model, int& result) : model_(std::move(model)), result_(result) {}

  void KeyDown(int& key, int shift) override {
    const std::size_t count = model_.buttons.size();
    const bool back = (shift & shift_mask::kShift) != 0;
    switch (key) {
      case vk::kReturn:
      case vk::kSpace:
        Press(model_.focused);
        break;
      case vk::kEscape:
        if (model_.esc_cancels) Finish(mb_result::kCancel);
        break;
      case vk::kTab:
        Move(back ? count - 1 : 1);
        break;
      case vk::kLeft:
      case vk::kUp:
        Move(count - 1);
        break;
      case vk::kRight:
      case vk::kDown:
        Move(1);
        break;
      default:
        for (std::size_t i = 0; i < count; ++i) {
          if (model_.buttons[i].mnemonic != 0 && key == model_.buttons[i].mnemonic) {
            Press(i);
            break;
          }
        }
        break;
    }
    key = 0;
  }
  void KeyUp(int& key, int) override { key = 0; }

  void Press(std::size_t index) { Finish(ResultOfTag(model_.buttons[index].tag)); }
  bool Done() const { return done_; }
  const MessageBoxModel& Model() const { return model_; }

 private:
  void Move(std::size_t step) { model_.focused = (model_.focused + step) % model_.buttons.size(); }
  void Finish(int result) {
    if (done_) return;  // the first choice stands
    result_ = result;
    done_ = true;
  }

  MessageBoxModel model_;
  int& result_;
  bool done_ = false;
};

MessageBox::MessageBox(const Platform& platform, const ProgramValues& values)
    : platform_(platform), values_(values) {}

const MessageBoxModel* MessageBox::Current() const {
  return open_.empty() ? nullptr : &open_.back()->Model();
}

bool MessageBox::ClickButton(std::size_t index) {
  if (open_.empty() || index >= open_.back()->Model().buttons.size()) return false;
  open_.back()->Press(index);
  return true;
}

int MessageBox::MSG_BOX(int owner, const ustring& text, int flags, const ustring&) {
  history_.push_back({owner, text, flags, mb_result::kNone, std::nullopt});
  const std::size_t record = history_.size() - 1;
  int result = mb_result::kNone;
  try {
    Show(owner, text, flags, record, result);
  } catch (const std::exception& e) {
    Fail(FromUtf8(e.what()));
  } catch (...) {
    Fail(u"unknown error");
  }
  history_[record].result = result;
  return result;
}

void MessageBox::Show(int owner, const ustring& text, int flags, std::size_t record, int& result) {
  PointerKeeper pointer(platform_.shell);
  BoxWindow box(Prepare(owner, text, flags), result);
  history_[record].box = box.Model();
  open_.push_back(&box);
  struct Closer {
    std::vector<BoxWindow*>& open;
    ~Closer() { open.pop_back(); }
  } closer{open_};
  // Focus goes back to whatever had it, the owner included, when the loop ends.
  platform_.windowing.RunModal(box, [&] { return box.Done(); });
  history_[record].box = box.Model();
  platform_.windowing.DoEvents();
}

std::optional<OwnerWindow> MessageBox::FindOwner(int owner) const {
  if (owner == 0 || !owner_lookup_) return std::nullopt;
  try {
    return owner_lookup_(owner);
  } catch (...) {
    return std::nullopt;  // an owner that cannot be read is no owner: the box goes mid-screen
  }
}

MessageBoxModel MessageBox::Prepare(int owner, const ustring& text, int flags) const {
  const MessageStyle style = StyleOf(flags);
  const std::optional<OwnerWindow> found = FindOwner(owner);

  MessageBoxModel box;
  box.title = ustring(t::kTitle);
  box.text = text;
  box.owner = found ? owner : 0;
  box.icon_code = style.icon_code;
  box.button_set = style.button_set;
  box.icon = IconRowOf(style.icon_code)->icon;
  if (box.icon == MessageIcon::kNone && found && found->has_icon) box.icon = MessageIcon::kOwner;
  box.icon_shown = box.icon != MessageIcon::kNone;
  box.text_color = style.text_color;
  box.back_color = button_face_;
  const int points = values_.FontSize(kMessageFontNominal);
  box.font = {u"", points > 0 ? points : kMessageFontNominal, false};
  box.esc_cancels = style.esc_cancels;
  box.close_enabled = false;

  MessageLayoutInput in;
  in.icon_shown = box.icon_shown;
  in.line_breaks = CountLineBreaks(text);
  in.text = platform_.fonts.MeasureText(box.font, text);
  in.button_count = static_cast<int>(style.buttons.size());
  in.twips_per_pixel_x = values_.TwipsPerPixelX;
  in.twips_per_pixel_y = values_.TwipsPerPixelY;
  const MessageLayout layout = LayOutMessage(in);

  box.icon_rect = layout.icon;
  box.text_rect = layout.text;
  box.buttons = style.buttons;
  for (std::size_t i = 0; i < box.buttons.size(); ++i) box.buttons[i].rect = layout.buttons[i];
  box.focused = 0;

  const Rect screen{0, 0, RoundTwips(platform_.screen.WidthTwips()),
                    RoundTwips(platform_.screen.HeightTwips())};
  box.box_twips = CentreOver(found ? found->outer_twips : screen, layout.box_twips);
  return box;
}

void MessageBox::Fail(const ustring& description) {
  try {
    platform_.app.StandardMessage(ustring(t::kFailurePrefix) + description, mb_icon::kNone,
                                  platform_.app.Title());
  } catch (...) {
    // Nothing is left to tell it with; the caller still gets its result.
  }
}

}  // namespace orvo
