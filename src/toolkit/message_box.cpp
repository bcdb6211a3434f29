// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/message_box.h"

#include <cmath>
#include <exception>
#include <memory>

#include "toolkit/forms/command_button_control.h"
#include "toolkit/forms/label_control.h"
#include "toolkit/forms/picture_box_control.h"
#include "toolkit/message_layout.h"
#include "toolkit/picture_ids.h"
#include "toolkit/message_texts.h"
#include "platform/keys.h"

namespace orvo {
namespace {

namespace t = message_texts;

struct IconRow {
  int code;
  MessageIcon icon;
  std::uint32_t text_color;
  int picture;
  std::u16string_view spoken;  // the icon's name for screen readers
};

constexpr IconRow kIcons[] = {
    {0, MessageIcon::kNone, mb_color::kDarkBlue, forms::kNoPicture, u""},
    {16, MessageIcon::kStop, mb_color::kDarkRed, picture_id::kMessageStop, t::kIconStop},
    {32, MessageIcon::kQuestion, mb_color::kDarkBlue, picture_id::kMessageQuestion, t::kIconQuestion},
    {48, MessageIcon::kExclamation, mb_color::kDarkRed, picture_id::kMessageExclamation, t::kIconExclamation},
    {64, MessageIcon::kInformation, mb_color::kDarkBlue, picture_id::kMessageInformation, t::kIconInformation},
};

std::u16string_view SpokenIcon(MessageIcon icon) {
  for (const IconRow& row : kIcons) {
    if (row.icon == icon) return row.spoken;
  }
  return {};
}

// The picture the icon area shows; the owner's icon is the program's.
int PictureOf(MessageIcon icon) {
  if (icon == MessageIcon::kOwner) return picture_id::kAppIcon;
  for (const IconRow& row : kIcons) {
    if (row.icon == icon) return row.picture;
  }
  return forms::kNoPicture;
}

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
class MessageBox::BoxWindow : public forms::Form {
 public:
  BoxWindow(forms::FormsRuntime& runtime, MessageBoxModel model, int& result)
      : Form(runtime, "frmMsgEx"), model_(std::move(model)), result_(result), icon_(*this, "imgICON"),
        text_(*this, "lblMSG") {
    SetCaption(model_.title);
    SetKeyPreview(true);
    SetStart(forms::StartPosition::kManual);
    Move(model_.box_twips);
    SetCloseEnabled(model_.close_enabled);
    SetBackColor(model_.back_color);
    icon_.SetBounds(model_.icon_rect);
    icon_.SetPicture(PictureOf(model_.icon));
    icon_.SetAccessibleName(ustring(SpokenIcon(model_.icon)));
    // Readers read a dialog's description when it comes: the message itself.
    SetDescription(model_.text);
    icon_.SetBackColor(model_.back_color);
    icon_.SetVisible(model_.icon_shown);
    text_.SetBounds(model_.text_rect);
    text_.SetCaption(model_.text);
    text_.SetForeColor(model_.text_color);
    text_.SetBackColor(model_.back_color);
    text_.SetFont(model_.font);
    for (std::size_t i = 0; i < model_.buttons.size(); ++i) {
      auto& button = buttons_.emplace_back(std::make_unique<forms::CommandButtonControl>(
          *this, "cmdBTN", static_cast<int>(i)));
      button->SetCaption(model_.buttons[i].caption);
      button->SetBounds(model_.buttons[i].rect);
      button->SetFont(model_.font);
      button->SetBackColor(model_.back_color);
    }
  }

  void Press(std::size_t index) {
    if (index < model_.buttons.size()) Finish(ResultOfTag(model_.buttons[index].tag));
  }
  bool Done() const { return done_; }
  const MessageBoxModel& Model() const { return model_; }

 protected:
  void OnActivate() override { FocusButton(model_.focused); }

  void OnKeyDown(int& key, int shift) override {
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
        Step(back ? count - 1 : 1);
        break;
      case vk::kLeft:
      case vk::kUp:
        Step(count - 1);
        break;
      case vk::kRight:
      case vk::kDown:
        Step(1);
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
  void OnKeyUp(int& key, int) override { key = 0; }

  void OnClick(forms::Control& control) override {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      if (buttons_[i].get() == &control) Press(i);
    }
  }

  void OnGotFocus(forms::Control& control) override {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      if (buttons_[i].get() == &control) model_.focused = i;
    }
  }

 private:
  void Step(std::size_t step) { FocusButton((model_.focused + step) % model_.buttons.size()); }
  void FocusButton(std::size_t index) {
    model_.focused = index;
    if (index < buttons_.size()) FocusControl(buttons_[index].get());
  }
  void Finish(int result) {
    if (done_) return;  // the first choice stands
    result_ = result;
    done_ = true;
    Runtime().Hide(*this);
  }

  MessageBoxModel model_;
  int& result_;
  bool done_ = false;
  forms::PictureBoxControl icon_;
  forms::LabelControl text_;
  std::vector<std::unique_ptr<forms::CommandButtonControl>> buttons_;
};

MessageBox::MessageBox(const Platform& platform, const ProgramValues& values,
                       forms::FormsRuntime& runtime)
    : platform_(platform), values_(values), runtime_(runtime) {}

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
  BoxWindow box(runtime_, Prepare(owner, text, flags), result);
  history_[record].box = box.Model();
  open_.push_back(&box);
  struct Closer {
    std::vector<BoxWindow*>& open;
    forms::FormsRuntime& runtime;
    BoxWindow& box;
    ~Closer() {
      open.pop_back();
      runtime.Unload(box);
    }
  } closer{open_, runtime_, box};
  // The owner is disabled meanwhile; it and the focus it had come back when the loop ends.
  forms::Form* owner_form = owner != 0 ? runtime_.FindByTag(owner) : nullptr;
  if (owner_form == &box || (owner_form != nullptr && !owner_form->Visible())) owner_form = nullptr;
  runtime_.ShowModal(box, owner_form);
  history_[record].box = box.Model();
  platform_.windowing.DoEvents();
}

std::optional<OwnerWindow> MessageBox::FindOwner(int owner) const {
  if (owner == 0) return std::nullopt;
  try {
    if (owner_lookup_) return owner_lookup_(owner);
    const forms::Form* form = runtime_.FindByTag(owner);
    if (form == nullptr || !form->Visible()) return std::nullopt;
    return OwnerWindow{form->OuterTwips(), form->Icon() != forms::kNoPicture};
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
