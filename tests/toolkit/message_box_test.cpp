// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/message_box.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "toolkit/message_layout.h"
#include "frontends/script/key_script.h"
#include "frontends/headless/session.h"
#include "frontends/headless/state_dump.h"
#include "platform/keys.h"
#include "support/temp_folder.h"

namespace orvo {
namespace {

using headless::Session;
using Captions = std::vector<ustring>;

Captions CaptionsOf(const std::vector<MessageButton>& buttons) {
  Captions out;
  for (const MessageButton& b : buttons) out.push_back(b.caption);
  return out;
}

const Captions kOk = {u"ＯＫ"};
const Captions kOkCancel = {u"ＯＫ", u"キャンセル"};
const Captions kYesNoCancel = {u"はい(&Y)", u"いいえ(&N)", u"キャンセル"};
const Captions kYesNo = {u"はい(&Y)", u"いいえ(&N)"};
const Captions kBlank = {u""};

TEST(MessageStyle, FlagsSplitIntoIconAndButtons) {
  struct Case {
    int flags, icon, set;
    Captions captions;
    bool esc_cancels;
    std::uint32_t color;
  };
  // clang-format off
  const Case cases[] = {
      {0,  0,  0, kOk,          false, mb_color::kDarkBlue},
      {16, 16, 0, kOk,          false, mb_color::kDarkRed},
      {48, 48, 0, kOk,          false, mb_color::kDarkRed},
      {64, 64, 0, kOk,          false, mb_color::kDarkBlue},
      {35, 32, 3, kYesNoCancel, true,  mb_color::kDarkBlue},
      {65, 64, 1, kOkCancel,    true,  mb_color::kDarkBlue},
      {67, 64, 3, kYesNoCancel, true,  mb_color::kDarkBlue},
      {52, 48, 4, kYesNo,       false, mb_color::kDarkRed},
      {2,  0,  2, kBlank,       false, mb_color::kDarkBlue},
      {21, 16, 5, kBlank,       true,  mb_color::kDarkRed},
      // Not an icon code plus a set 0-5: no icon, one OK.
      {6,    0, 0, kOk, false, mb_color::kDarkBlue},
      {22,   0, 0, kOk, false, mb_color::kDarkBlue},
      {80,   0, 0, kOk, false, mb_color::kDarkBlue},
      {-1,   0, 0, kOk, false, mb_color::kDarkBlue},
      {4096, 0, 0, kOk, false, mb_color::kDarkBlue},
  };
  // clang-format on
  for (const Case& c : cases) {
    const MessageStyle s = StyleOf(c.flags);
    EXPECT_EQ(s.icon_code, c.icon) << c.flags;
    EXPECT_EQ(s.button_set, c.set) << c.flags;
    EXPECT_EQ(CaptionsOf(s.buttons), c.captions) << c.flags;
    EXPECT_EQ(s.esc_cancels, c.esc_cancels) << c.flags;
    EXPECT_EQ(s.text_color, c.color) << c.flags;
  }
}

TEST(MessageLayout, LineBreaksCountCrLfTwice) {
  // clang-format off
  const std::pair<ustring, int> cases[] = {
      {u"", 0}, {u"一行", 0}, {u"a\nb", 0}, {u"a\rb", 1}, {u"a\r\nb", 2}, {u"\r\r", 2},
      {u"a\r\n\r\nb", 4}, {u"a\n\rb", 1},
  };
  // clang-format on
  for (const auto& [text, count] : cases) EXPECT_EQ(CountLineBreaks(text), count) << ToUtf8(text);
}

TEST(MessageLayout, RowAndBoxSizes) {
  struct Case {
    const char* name;
    MessageLayoutInput in;
    Rect text;
    int first_left, row_top, row_width;
    Size twips;
  };
  // clang-format off
  const Case cases[] = {
      {"short, no icon: lone button at 50, minimum width", {false, 0, {78, 17}, 1, 15, 15},
       {64, 12, 78, 17}, 50, 49, 190, {3000, 1575}},
      {"one line beside an icon sits lower", {true, 1, {78, 17}, 1, 15, 15},
       {64, 16, 78, 17}, 50, 53, 190, {3000, 1635}},
      {"two counted breaks beside an icon", {true, 2, {39, 34}, 1, 15, 15},
       {64, 12, 39, 34}, 50, 66, 190, {3000, 1830}},
      {"the icon's bottom holds the row down; minimum height", {false, 0, {10, 1}, 1, 15, 15},
       {64, 12, 10, 1}, 50, 48, 190, {3000, 1560}},
      {"wide text centres a lone button", {false, 0, {400, 17}, 1, 15, 15},
       {64, 12, 400, 17}, 203, 49, 496, {7440, 1575}},
      {"wide text centres two buttons", {true, 0, {520, 17}, 2, 15, 15},
       {64, 16, 520, 17}, 214, 53, 616, {9240, 1635}},
      {"three buttons wider than the text start at 16", {false, 0, {10, 17}, 3, 15, 15},
       {64, 12, 10, 17}, 16, 49, 318, {4770, 1575}},
      {"large fonts: twips per pixel 12", {false, 0, {400, 17}, 2, 12, 12},
       {64, 12, 400, 17}, 154, 49, 496, {5952, 1560}},
  };
  // clang-format on
  for (const Case& c : cases) {
    const MessageLayout l = LayOutMessage(c.in);
    EXPECT_EQ(l.text, c.text) << c.name;
    ASSERT_EQ(l.buttons.size(), static_cast<std::size_t>(c.in.button_count)) << c.name;
    EXPECT_EQ(l.buttons.front().left, c.first_left) << c.name;
    EXPECT_EQ(l.row_top, c.row_top) << c.name;
    for (std::size_t i = 1; i < l.buttons.size(); ++i) {
      EXPECT_EQ(l.buttons[i].left, l.buttons[i - 1].Right() + 8) << c.name;
    }
    EXPECT_EQ(l.row_width, c.row_width) << c.name;
    EXPECT_EQ(l.box_twips, c.twips) << c.name;
  }
}

// A started program on the headless desktop. Boxes are raised by timers, so
// a box's modal loop takes the script lines after the "wait" as its keys.
class Rig {
 private:
  test_support::TempFolder folder_;  // first: the session lives in it

 public:
  Rig() : s(std::make_unique<Session>(folder_.Path())) { started = s->Start(); }

  void At(int ms, std::function<void()> tick, bool once = true) {
    const std::size_t i = timers_.size();
    timers_.push_back(std::make_unique<Timer>(s->desktop.Clock(), ms, [this, i, once, tick] {
      if (once) timers_[i]->SetEnabled(false);
      tick();
    }));
    timers_[i]->SetEnabled(true);
  }
  // Raises a box at `ms` ms; its answer lands in *result.
  void BoxAt(int ms, int owner, ustring text, int flags, int* result) {
    At(ms, [this, owner, text, flags, result] { *result = Box().MSG_BOX(owner, text, flags); });
  }
  void Run(std::string_view script) {
    const script::ParsedScript parsed = script::ParseScript(script);
    ASSERT_TRUE(parsed.errors.empty()) << parsed.errors.front().message;
    s->Run(parsed.steps);
  }
  MessageBox& Box() { return s->program.messages; }
  const MessageRecord& Last() { return Box().History().back(); }

  std::unique_ptr<Session> s;
  bool started = false;

 private:
  std::vector<std::unique_ptr<Timer>> timers_;
};

TEST(MessageBoxFlow, KeysChooseButtons) {
  struct Case {
    int flags;
    const char* keys;
    int result;
    bool still_open;
  };
  // clang-format off
  const Case cases[] = {
      {0, "tap Enter", 1, false},
      {0, "tap Esc", 0, true},
      {48, "tap Esc\ntap Y\ntap N", 0, true},
      {48, "tap Esc\ntap Space", 1, false},
      {65, "tap Esc", 2, false},
      {65, "tap Tab\ntap Enter", 2, false},
      {65, "tap Tab\ntap Tab\ntap Space", 1, false},
      {35, "tap Esc", 2, false},
      {35, "tap Y", 6, false},
      {67, "press Alt\ntap N\nrelease Alt", 7, false},
      {67, "tap Left\ntap Enter", 2, false},
      {67, "tap Right\ntap Down\ntap Up\ntap Enter", 7, false},
      {4, "tap Esc", 0, true},
      {4, "press Shift\ntap Tab\nrelease Shift\ntap Enter", 7, false},
      {2, "tap Esc", 0, true},
      {5, "tap Esc", 2, false},
      {99, "tap Esc\ntap Y\ntap Enter", 1, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    Rig rig;
    ASSERT_TRUE(rig.started);
    int result = -1;
    rig.BoxAt(1, 0, u"よろしいですか？", c.flags, &result);
    rig.Run(std::string("wait 1\n") + c.keys + "\n");
    EXPECT_EQ(result, c.result) << c.flags << ": " << c.keys;
    EXPECT_EQ(rig.Last().result, c.result) << c.flags << ": " << c.keys;
    EXPECT_EQ(rig.s->EndedInModal(), c.still_open) << c.flags << ": " << c.keys;
    EXPECT_FALSE(rig.Box().Showing());
  }
}

// The contrast of two colours as the web's accessibility guidelines count it.
double Contrast(std::uint32_t a, std::uint32_t b) {
  auto luminance = [](std::uint32_t rgb) {
    auto channel = [](std::uint32_t v) {
      const double c = static_cast<double>(v & 0xFFu) / 255.0;
      return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(rgb) + 0.7152 * channel(rgb >> 8) + 0.0722 * channel(rgb >> 16);
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(MessageStyle, EveryTextColourIsReadableOnTheBox) {
  for (const int flags : {0, 16, 32, 48, 64}) {
    EXPECT_GE(Contrast(StyleOf(flags).text_color, mb_color::kGrey), 4.5) << flags;
  }
}

TEST(MessageBoxFlow, TypedFlagsAskWithTheirCodesAndAnswerTyped) {
  EXPECT_EQ(message::kPlain.Code(), 0);
  EXPECT_EQ(message::kStop.Code(), 16);
  EXPECT_EQ(message::kWarning.Code(), 48);
  EXPECT_EQ(message::kInformation.Code(), 64);
  EXPECT_EQ(message::kConfirm.Code(), 65);
  EXPECT_EQ((MessageFlags{MessageIconCode::kQuestion, MessageButtons::kYesNoCancel}.Code()), 35);
  struct Case {
    MessageFlags flags;
    const char* keys;
    MessageResult result;
  };
  const Case cases[] = {
      {message::kConfirm, "tap Esc", MessageResult::kCancel},
      {message::kConfirm, "tap Enter", MessageResult::kOk},
      {{MessageIconCode::kQuestion, MessageButtons::kYesNo}, "tap N", MessageResult::kNo},
      {{MessageIconCode::kQuestion, MessageButtons::kYesNoCancel}, "tap Y", MessageResult::kYes},
  };
  for (const Case& c : cases) {
    Rig rig;
    ASSERT_TRUE(rig.started);
    MessageResult result = MessageResult::kNone;
    rig.At(1, [&rig, &c, &result] { result = rig.Box().Ask(1, u"よろしいですか？", c.flags); });
    rig.Run(std::string("wait 1\n") + c.keys + "\n");
    EXPECT_EQ(result, c.result) << c.keys;
    EXPECT_EQ(rig.Last().flags, c.flags.Code());
  }
}

// 10 pt at 15 twips per pixel: full-width characters 13 px, lines 17 px, on a 1024 x 768 screen.
TEST(MessageBoxFlow, PlacedOverTheOwnerOrTheScreen) {
  const Rect owner_rect{1000, 2000, 9000, 6000};
  struct Case {
    const char* name;
    int owner, flags;
    ustring text;
    MessageBox::OwnerLookup lookup;
    MessageIcon icon;
    Rect text_rect;
    int first_button_left;
    Rect box;
  };
  const auto main_with_icon = [&](int tag) -> std::optional<OwnerWindow> {
    if (tag != 1) return std::nullopt;
    return OwnerWindow{owner_rect, true};
  };
  const auto main_without_icon = [&](int) {
    return std::optional<OwnerWindow>({owner_rect, false});
  };
  const auto unreadable = [](int) -> std::optional<OwnerWindow> {
    throw std::runtime_error("gone");
  };
  const ustring saved = u"保存しました";  // 78 x 17
  const ustring wide(40, u'あ');          // 520 x 17
  // clang-format off
  const Case cases[] = {
      {"no owner", 0, 0, saved, main_with_icon, MessageIcon::kNone, {64, 12, 78, 17}, 50,
       {6180, 4972, 3000, 1575}},
      {"main window's icon", 1, 0, saved, main_with_icon, MessageIcon::kOwner, {64, 16, 78, 17}, 50,
       {4000, 4182, 3000, 1635}},
      {"settings dialog not open", 2, 0, saved, main_with_icon, MessageIcon::kNone,
       {64, 12, 78, 17}, 50, {6180, 4972, 3000, 1575}},
      {"owner unreadable", 1, 0, saved, unreadable, MessageIcon::kNone, {64, 12, 78, 17}, 50,
       {6180, 4972, 3000, 1575}},
      {"owner without an icon", 1, 0, saved, main_without_icon, MessageIcon::kNone,
       {64, 12, 78, 17}, 50, {4000, 4212, 3000, 1575}},
      {"system icon wins over the owner's", 1, 48, saved, main_with_icon,
       MessageIcon::kExclamation, {64, 16, 78, 17}, 50, {4000, 4182, 3000, 1635}},
      {"CR LF beside an icon", 0, 64, u"一行目\r\n二行目", nullptr, MessageIcon::kInformation,
       {64, 12, 39, 34}, 50, {6180, 4845, 3000, 1830}},
      {"long text widens the box", 0, 65, wide, nullptr, MessageIcon::kInformation,
       {64, 16, 520, 17}, 214, {3060, 4942, 9240, 1635}},
  };
  // clang-format on
  for (const Case& c : cases) {
    Rig rig;
    ASSERT_TRUE(rig.started);
    rig.Box().SetOwnerLookup(c.lookup);
    int result = -1;
    rig.BoxAt(1, c.owner, c.text, c.flags, &result);
    rig.Run("wait 1\ntap Enter\n");
    ASSERT_TRUE(rig.Last().box) << c.name;
    const MessageBoxModel& m = *rig.Last().box;
    EXPECT_EQ(m.icon, c.icon) << c.name;
    EXPECT_EQ(m.icon_shown, c.icon != MessageIcon::kNone) << c.name;
    EXPECT_EQ(m.text_rect, c.text_rect) << c.name;
    EXPECT_EQ(m.buttons.front().rect.left, c.first_button_left) << c.name;
    EXPECT_EQ(m.box_twips, c.box) << c.name;
    EXPECT_EQ(m.title, u" Orvo 4");
    EXPECT_FALSE(m.close_enabled);
  }
}

TEST(MessageBoxFlow, NestedBoxesFocusAndPointer) {
  Rig rig;
  ASSERT_TRUE(rig.started);
  rig.s->shell.pointer = mouse_pointer::kHourglass;
  struct Seen {
    MessageIcon icon;
    std::size_t focused;
    int pointer;
  };
  std::vector<Seen> seen;
  int outer = -1, inner = -1;
  rig.BoxAt(1, 0, u"保存しますか？", 35, &outer);
  rig.BoxAt(3, 0, u"書き込めません", 48, &inner);
  rig.At(
      2,
      [&] {
        const MessageBoxModel* m = rig.Box().Current();
        ASSERT_NE(m, nullptr);
        seen.push_back({m->icon, m->focused, rig.s->shell.pointer});
      },
      false);
  // Tab moves the outer box to いいえ; the inner box opens on its own button 0.
  rig.Run("wait 1\ntap Tab\nwait 1\nwait 1\nwait 1\ntap Enter\ntap Enter\n");
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].icon, MessageIcon::kQuestion);
  EXPECT_EQ(seen[0].focused, 1u);
  EXPECT_EQ(seen[1].icon, MessageIcon::kExclamation);
  EXPECT_EQ(seen[1].focused, 0u);
  EXPECT_EQ(seen[0].pointer, mouse_pointer::kDefault);
  EXPECT_EQ(inner, mb_result::kOk);
  EXPECT_EQ(outer, mb_result::kNo);
  EXPECT_EQ(rig.Box().Current(), nullptr);
  EXPECT_EQ(rig.s->shell.pointer, mouse_pointer::kHourglass);
  ASSERT_EQ(rig.Box().History().size(), 2u);
  EXPECT_EQ(rig.Box().History()[0].result, mb_result::kNo);
  EXPECT_EQ(rig.Box().History()[1].result, mb_result::kOk);
}

TEST(MessageBoxFlow, ClickAndStateDump) {
  Rig rig;
  ASSERT_TRUE(rig.started);
  EXPECT_FALSE(rig.Box().ClickButton(0));  // no box open
  int result = -1;
  rig.BoxAt(1, 0, u"上書きしますか？", 67, &result);
  rig.At(2, [&] {
    EXPECT_FALSE(rig.Box().ClickButton(3));
    EXPECT_TRUE(rig.Box().ClickButton(2));
  });
  rig.Run("wait 1\nwait 1\n");
  EXPECT_EQ(result, mb_result::kCancel);
  const nlohmann::json layout = headless::DumpState(*rig.s)["messages"][0]["layout"];
  EXPECT_EQ(layout["icon"], "information");
  EXPECT_EQ(layout["icon_shown"], true);
  ASSERT_EQ(layout["buttons"].size(), 3u);
  EXPECT_EQ(layout["buttons"][1]["caption"], "いいえ(&N)");
  EXPECT_EQ(layout["buttons"][2]["rect"]["left"], 16 + 98 + 98);
  EXPECT_EQ(layout["size_twips"]["width"], 318 * 15);
  EXPECT_EQ(layout["text_rect"]["top"], 16);
}

struct BrokenFonts : FontMetrics {
  Size MeasureText(const FontSpec&, ustring_view) const override {
    throw std::runtime_error("no font");
  }
};
// A modal loop in which Enter is pressed at once, then pending events fail.
struct FailingEvents : Windowing {
  void DoEvents() override { throw std::runtime_error("events failed"); }
  void SetActiveWindow(KeyHandler*) override {}
  KeyHandler* ActiveWindow() const override { return nullptr; }
  void SetFocus(KeyHandler*, EditControl*) override {}
  EditControl* FocusedEdit() const override { return nullptr; }
  bool RunModal(KeyHandler& window, const std::function<bool()>& done) override {
    int key = vk::kReturn;
    window.KeyDown(key, 0);
    return done();
  }
  std::unique_ptr<EditControl> CreateEditControl() override { return nullptr; }
};

TEST(MessageBoxFlow, FailureIsToldAndTheResultSoFarReturned) {
  Rig rig;
  ASSERT_TRUE(rig.started);
  // The session's desktop, with the part each case breaks swapped in.
  Session& s = *rig.s;
  BrokenFonts broken_fonts;
  FailingEvents failing_events;
  struct Case {
    const char* name;
    Platform platform;
    int result;
    const char16_t* told;
  };
  // clang-format off
  const Case cases[] = {
      {"before the box shows", {s.host, s.screen, s.desktop, s.desktop, s.desktop.Clock(), s.ime,
                                s.shell, broken_fonts, s.code_page, s.files, s.dialogs, s.desktop.Clip(),
                                s.desktop.Clock(), s.font_files, s.data,
                                {s.code_page, s.utf8_code_page, s.cp932_code_page}}, 0, u"eno font"},
      {"after OK was chosen", {s.host, s.screen, s.desktop, failing_events, s.desktop.Clock(), s.ime,
                               s.shell, s.fonts, s.code_page, s.files, s.dialogs, s.desktop.Clip(),
                               s.desktop.Clock(), s.font_files, s.data,
                                {s.code_page, s.utf8_code_page, s.cp932_code_page}}, 1, u"eevents failed"},
  };
  // clang-format on
  for (const Case& c : cases) {
    s.shell.pointer = mouse_pointer::kHourglass;
    forms::FormsRuntime runtime(c.platform.windowing, c.platform.screen);
    MessageBox box(c.platform, s.program.values, runtime);
    const std::size_t told_before = s.host.Messages().size();
    EXPECT_EQ(box.MSG_BOX(0, u"テスト", 0), c.result) << c.name;
    ASSERT_EQ(s.host.Messages().size(), told_before + 1) << c.name;
    EXPECT_EQ(s.host.Messages().back().text, c.told) << c.name;
    EXPECT_EQ(s.host.Messages().back().icon, mb_icon::kNone) << c.name;
    EXPECT_EQ(s.shell.pointer, mouse_pointer::kHourglass) << c.name;
    EXPECT_FALSE(box.Showing()) << c.name;
    EXPECT_EQ(box.History().back().result, c.result) << c.name;
  }
}

// The box is a window of the program: over the main window it disables it,
// takes the keyboard, refuses its own Close command, and gives everything back.
TEST(MessageBoxFlow, ModalOverTheMainWindowAndBack) {
  Rig rig;
  ASSERT_TRUE(rig.started);
  MainWindow& main = rig.s->program.Main();
  forms::FormsRuntime& runtime = rig.s->program.forms;
  struct Seen {
    bool main_enabled = true;
    std::string active;
    bool close_refused = false;
    bool still_open = false;
  } seen;
  int result = -1;
  rig.BoxAt(1, MainWindow::kTag, u"保存しました", 0, &result);
  rig.At(2, [&] {
    forms::Form* box = runtime.ActiveForm();
    ASSERT_NE(box, nullptr);
    seen.main_enabled = main.Enabled();
    seen.active = box->Name();
    seen.close_refused = !box->Close();
    seen.still_open = rig.Box().Showing();
  });
  rig.Run("wait 1\nwait 1\nwait 1\ntap Enter\n");
  EXPECT_EQ(result, mb_result::kOk);
  EXPECT_FALSE(seen.main_enabled);
  EXPECT_EQ(seen.active, "frmMsgEx");
  EXPECT_TRUE(seen.close_refused);
  EXPECT_TRUE(seen.still_open);
  // The main window's own icon stands in, and the box sits over the window.
  ASSERT_TRUE(rig.Last().box);
  EXPECT_EQ(rig.Last().box->icon, MessageIcon::kOwner);
  const Rect& o = main.OuterTwips();
  const Rect& b = rig.Last().box->box_twips;
  EXPECT_NEAR(b.left + b.width / 2, o.left + o.width / 2, 15);
  // Afterwards the window is enabled and active again, its text box focused, and the box gone.
  EXPECT_TRUE(main.Enabled());
  EXPECT_EQ(runtime.ActiveForm(), &main);
  EXPECT_EQ(rig.s->desktop.FocusedEdit(), &main.ActiveTextBox());
  EXPECT_EQ(runtime.Forms().size(), 1u);
  rig.Run("tap A\n");
  EXPECT_EQ(main.ActiveTextBox().Text(), u"a");
}

}  // namespace
}  // namespace orvo
