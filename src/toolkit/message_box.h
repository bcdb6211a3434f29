// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application message box: icon, text and one to three buttons, shown
// modally over the window that asked; returns the button the user chose.
// While a box waits, Current() is everything a front end needs to draw it.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "toolkit/forms/forms_runtime.h"
#include "toolkit/message_flags.h"
#include "toolkit/program_values.h"
#include "platform/font_metrics.h"
#include "platform/geometry.h"
#include "platform/platform.h"
#include "platform/text.h"

namespace orvo {

// The result codes as numbers, for the history and the state dump.
namespace mb_result {
inline constexpr int kNone = static_cast<int>(MessageResult::kNone);
inline constexpr int kOk = static_cast<int>(MessageResult::kOk);
inline constexpr int kCancel = static_cast<int>(MessageResult::kCancel);
inline constexpr int kYes = static_cast<int>(MessageResult::kYes);
inline constexpr int kNo = static_cast<int>(MessageResult::kNo);
}  // namespace mb_result

namespace mb_color {
inline constexpr std::uint32_t kDarkBlue = 192u * 65536u;  // RGB(0, 0, 192)
// RGB(144, 0, 0): a red that stands out at 5:1 against the grey box, for
// readers with low vision (RGB(192, 0, 0) gave 3.6:1).
inline constexpr std::uint32_t kDarkRed = 144u;
inline constexpr std::uint32_t kGrey = 0xC0C0C0u;          // RGB(192, 192, 192)
}  // namespace mb_color

// The picture in the icon area. kOwner: the owner window's own icon.
enum class MessageIcon { kNone, kOwner, kStop, kQuestion, kExclamation, kInformation };
const char* IconName(MessageIcon icon);

struct MessageButton {
  ustring caption;
  ustring tag;  // holds the caption; the result is read from it
  int result = mb_result::kNone;
  char16_t mnemonic = 0;  // the letter after '&', 0 for none
  Rect rect;              // pixels in the box
};

// What a flags value asks for; a value that is not a known icon code plus a
// button set 0-5 is taken as no icon and a single OK.
struct MessageStyle {
  int icon_code = 0;   // 0, 16, 32, 48, 64
  int button_set = 0;  // 0-5
  std::uint32_t text_color = mb_color::kDarkBlue;
  std::vector<MessageButton> buttons;  // captions, tags and results; no places yet
  bool esc_cancels = false;
};
MessageStyle StyleOf(int flags);

// One box as laid out. Positions inside the box are pixels; its outer size
// and place on the screen are twips.
struct MessageBoxModel {
  ustring title;
  ustring text;
  int owner = 0;  // the owner tag that was found, 0 for none
  int icon_code = 0;
  int button_set = 0;
  MessageIcon icon = MessageIcon::kNone;
  bool icon_shown = false;
  Rect icon_rect;
  std::uint32_t text_color = mb_color::kDarkBlue;
  std::uint32_t back_color = mb_color::kGrey;
  FontSpec font;  // the text's and the buttons'
  Rect text_rect;
  std::vector<MessageButton> buttons;
  std::size_t focused = 0;
  bool esc_cancels = false;
  bool close_enabled = false;  // the system menu's Close: the buttons and Esc close the box
  Rect box_twips;              // left, top, width, height
};

// The window a box belongs to, as the owner lookup finds it.
struct OwnerWindow {
  Rect outer_twips;
  bool has_icon = false;
};

struct MessageRecord {
  int owner;
  ustring text;
  int flags;
  int result;
  std::optional<MessageBoxModel> box;  // empty when the box failed before it was laid out
};

class MessageBox {
 public:
  MessageBox(const Platform& platform, const ProgramValues& values, forms::FormsRuntime& runtime);

  // MSG_BOX: the caption is accepted but the box keeps its own title. Never
  // throws; a failure inside is told by the standard message box and the
  // result chosen so far is returned.
  int MSG_BOX(int owner, const ustring& text, int flags, const ustring& caption = {});
  MessageResult Ask(int owner, const ustring& text, MessageFlags flags, const ustring& caption = {}) {
    return static_cast<MessageResult>(MSG_BOX(owner, text, flags.Code(), caption));
  }

  // The owner is the shown window whose tag is the owner tag (1 main, 2
  // settings, 3 find). A lookup set here answers instead (no answer or a
  // throwing lookup: the box has no owner).
  using OwnerLookup = std::function<std::optional<OwnerWindow>(int tag)>;
  void SetOwnerLookup(OwnerLookup lookup) { owner_lookup_ = std::move(lookup); }
  // The button-face colour the box is painted in.
  void SetButtonFace(std::uint32_t rgb) { button_face_ = rgb; }

  // The box waiting for the user (the innermost one while boxes nest), or null.
  const MessageBoxModel* Current() const;
  bool Showing() const { return !open_.empty(); }
  // A front end's click on a button of the current box; false when there is none.
  bool ClickButton(std::size_t index);

  const std::vector<MessageRecord>& History() const { return history_; }

 private:
  class BoxWindow;

  void Show(int owner, const ustring& text, int flags, std::size_t record, int& result);
  MessageBoxModel Prepare(int owner, const ustring& text, int flags) const;
  std::optional<OwnerWindow> FindOwner(int owner) const;
  void Fail(const ustring& description);

  Platform platform_;
  const ProgramValues& values_;
  forms::FormsRuntime& runtime_;
  OwnerLookup owner_lookup_;
  std::uint32_t button_face_ = mb_color::kGrey;
  std::vector<BoxWindow*> open_;
  std::vector<MessageRecord> history_;
};

}  // namespace orvo
