#pragma once
// The application message box: icon, text and one to three buttons, shown
// modally over the window that asked; returns the button the user chose.
#include <vector>

#include "platform/text.h"
#include "platform/windowing.h"

namespace orvo {

namespace mb_result {
inline constexpr int kNone = 0;
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace mb_result

struct MessageButton {
  ustring caption;  // also its tag
  int result;
  char16_t mnemonic;  // 0: none
};

// What a flags value asks for; values outside the known icons and sets are
// taken as no icon and a single OK.
struct MessageStyle {
  int icon = 0;        // 0, 16, 32, 48, 64
  int button_set = 0;  // 0-5
  std::vector<MessageButton> buttons;
  bool esc_cancels = false;
};
MessageStyle StyleOf(int flags);

struct MessageRecord {
  int owner;
  ustring text;
  int flags;
  int result;
};

class MessageBox {
 public:
  explicit MessageBox(Windowing& windowing) : windowing_(windowing) {}

  // MSG_BOX: the caption is accepted but the box keeps its own title.
  int MSG_BOX(int owner, const ustring& text, int flags, const ustring& caption = {});

  const std::vector<MessageRecord>& History() const { return history_; }
  // True while a box waits for the user.
  bool Showing() const { return depth_ > 0; }

 private:
  Windowing& windowing_;
  std::vector<MessageRecord> history_;
  int depth_ = 0;
};

}  // namespace orvo
