// SPDX-License-Identifier: GPL-3.0-or-later
// The editing services over fakes of the main window: the status figures,
// switching the text between the wrapping and non-wrapping boxes, and the
// saved appearance put back.
#include "editing/text_box_services.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "editing/editing_texts.h"
#include "platform/emulated/desktop.h"
#include "platform/emulated/system_code_page.h"
#include "platform/emulated/text_box.h"
#include "frontends/headless/headless_shell.h"
#include "support/fake_synth_host.h"

namespace orvo::editing {
namespace {

using test_support::ShownMessage;

struct BoxState {
  bool visible = false;
  std::uint32_t back = 0;
  std::uint32_t fore = 0;
  FontSpec font;
};

struct FakeBoxes : DocumentBoxes {
  explicit FakeBoxes(emu::Desktop& desktop)
      : boxes{desktop.CreateEditControl(), desktop.CreateEditControl()} {
    states[0].visible = true;
  }
  EditControl& DocumentBox(int index) override { return *boxes[At(index)]; }
  int ActiveBoxIndex() const override { return active; }
  void SetActiveBoxIndex(int index) override { active = index; }
  void SetBoxVisible(int index, bool visible) override { states[At(index)].visible = visible; }
  void SetBoxBackColor(int index, std::uint32_t c) override { states[At(index)].back = c; }
  void SetBoxForeColor(int index, std::uint32_t c) override { states[At(index)].fore = c; }
  void SetBoxFont(int index, const FontSpec& font) override { states[At(index)].font = font; }
  void SetWrapNoticeVisible(bool visible) override { wrap_notice = visible; }
  void SetFontResetEnabled(bool enabled) override { font_reset_enabled = enabled; }
  bool DocumentWindowEnabled() const override { return true; }
  WindowHandle DocumentWindowTag() const override { return 1; }
  static std::size_t At(int index) { return static_cast<std::size_t>(index); }

  std::array<std::unique_ptr<EditControl>, 2> boxes;
  std::array<BoxState, 2> states;
  int active = 0;
  bool wrap_notice = false;
  bool font_reset_enabled = true;
};

struct FakeStatus : StatusLine {
  void ShowStatus(const StatusFigures& shown) override { figures = shown; }
  StatusFigures figures;
};

struct FakeIme : DocumentIme {
  void ReleaseIme() override { calls.push_back("release"); }
  void BindIme() override { calls.push_back("bind"); }
  std::vector<std::string> calls;
};

struct FakeEnabler : WindowEnabler {
  void SetWindowEnabled(WindowHandle, bool enabled) override { changes.push_back(enabled); }
  std::vector<bool> changes;
};

class TextBoxServicesTest : public ::testing::Test {
 protected:
  EditControl& Box(int index) { return boxes.DocumentBox(index); }
  emu::TextBox& Emulated(int index) { return dynamic_cast<emu::TextBox&>(Box(index)); }

  emu::Desktop desktop;
  test_support::FakeSynthHost host{desktop};
  FakeBoxes boxes{desktop};
  FakeStatus status;
  emu::ConvertingCodePage code_page{emu::CodePage::kCp932};
  headless::HeadlessShell shell;
  FakeEnabler enabler;
  FakeIme ime;
  std::vector<EditNotice> notices;
  settings::SettingsRecord current;
  settings::SettingsRecord saved;
  TextBoxServices services{{host, boxes, status, code_page, shell, enabler},
                           {current, saved},
                           {ime, [this](EditNotice n) { notices.push_back(n); }}};
};

// --- The status line ---

TEST_F(TextBoxServicesTest, StatusFiguresFollowTheActiveBox) {
  Box(0).SetText(u"abc\r\nあいう");
  Box(0).SetSel(7, 0);
  services.UpdateStatus();
  EXPECT_EQ(status.figures.column, u"2．0");
  EXPECT_EQ(status.figures.line, u"2");
  EXPECT_EQ(status.figures.lines, u"2");
  EXPECT_EQ(status.figures.bytes, u"11");
  boxes.active = 1;
  services.UpdateStatus();
  EXPECT_EQ(status.figures.bytes, u"0") << "the other box is empty";
  EXPECT_EQ(status.figures.column, u"0．0");
}

TEST_F(TextBoxServicesTest, TheByteSizeFollowsEveryChangeOfTheText) {
  Box(0).SetText(u"ab");
  services.UpdateStatus();
  EXPECT_EQ(status.figures.bytes, u"2");
  Box(0).SetSel(2, 0);
  Box(0).ReplaceSel(u"あ");
  services.UpdateStatus();
  EXPECT_EQ(status.figures.bytes, u"4");
}

// --- Wrapping ---

TEST_F(TextBoxServicesTest, SwitchingMovesTheTextWithItsStateToTheOtherBox) {
  current.BackColor = 0x112233;
  current.ForeColor = 0x445566;
  current.FontName = u"ＭＳ ゴシック";
  current.FontSize = 12;
  Box(0).SetText(u"一行目\r\n二行目");
  Box(0).SetModified(true);
  Box(0).SetImeMode(ime_mode::kHiragana);
  Box(0).SetSel(3, 0);

  services.SwitchWordWrap();
  EXPECT_EQ(boxes.active, 1);
  EXPECT_EQ(Box(1).Text(), u"一行目\r\n二行目");
  EXPECT_EQ(Box(0).Text(), u"") << "never both boxes full at once";
  EXPECT_TRUE(Box(1).Modified());
  EXPECT_EQ(Box(1).ImeMode(), ime_mode::kHiragana);
  EXPECT_EQ(Box(1).SelStart(), 0);
  EXPECT_TRUE(boxes.states[1].visible);
  EXPECT_FALSE(boxes.states[0].visible);
  EXPECT_TRUE(boxes.wrap_notice);
  EXPECT_EQ(boxes.states[1].back, 0x112233u);
  EXPECT_EQ(boxes.states[1].fore, 0x445566u);
  EXPECT_EQ(boxes.states[1].font.name, u"ＭＳ ゴシック");
  EXPECT_EQ(boxes.states[1].font.points, 12);
  EXPECT_EQ(ime.calls, (std::vector<std::string>{"release", "bind"}));
  EXPECT_EQ(enabler.changes, (std::vector<bool>{false, true}));
  EXPECT_EQ(shell.pointer, mouse_pointer::kDefault);
  EXPECT_TRUE(host.messages.empty());

  services.SwitchWordWrap();
  EXPECT_EQ(boxes.active, 0);
  EXPECT_EQ(Box(0).Text(), u"一行目\r\n二行目");
  EXPECT_TRUE(boxes.states[0].visible);
  EXPECT_FALSE(boxes.wrap_notice);
}

TEST_F(TextBoxServicesTest, AWrappingBoxOutOfMemoryGivesTheTextBackToTheOtherBox) {
  Box(0).SetText(u"あいう");
  Emulated(1).FailNextGrowth();
  services.SwitchWordWrap();
  EXPECT_EQ(boxes.active, 0);
  EXPECT_EQ(Box(0).Text(), u"あいう");
  EXPECT_FALSE(boxes.wrap_notice);
  EXPECT_EQ(host.messages, (std::vector<ShownMessage>{{u"6" + text::kOutOfMemory, 48}}));
}

TEST_F(TextBoxServicesTest, TheShownBoxTellsItsLimitsOnwards) {
  Box(0).SetText(u"あ");
  services.SwitchWordWrap();
  Emulated(1).FailNextGrowth();
  Box(1).ReplaceSel(u"い");
  EXPECT_EQ(notices, std::vector<EditNotice>{EditNotice::kErrSpace});
}

// --- The saved appearance ---

TEST_F(TextBoxServicesTest, ResettingPutsTheSavedAppearanceOnTheShownBox) {
  saved.BackColor = 0xABCDEF;
  saved.FontSize = 18;
  current.FontSize = 9;
  services.ResetAppearance();
  EXPECT_EQ(current, saved);
  EXPECT_EQ(boxes.states[0].back, 0xABCDEFu);
  EXPECT_EQ(boxes.states[0].font.points, 18);
  EXPECT_FALSE(boxes.font_reset_enabled);
  EXPECT_TRUE(host.focused);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(TextBoxServicesTest, ResettingToTheSameSettingsSaysSo) {
  services.ResetAppearance();
  EXPECT_EQ(host.messages, (std::vector<ShownMessage>{{text::kSameAsSaved, 48}}));
  EXPECT_TRUE(boxes.font_reset_enabled);
}

}  // namespace
}  // namespace orvo::editing
