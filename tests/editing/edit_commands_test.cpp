// SPDX-License-Identifier: GPL-3.0-or-later
// The edit commands over a text box and a clipboard model: paste never
// overwrites a selection, the date, and a clipboard holding something that is
// not text or more than the box may hold.
#include "editing/edit_commands.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/emulated/clipboard_model.h"
#include "platform/emulated/desktop.h"
#include "frontends/headless/headless_shell.h"

namespace orvo::editing {
namespace {

struct FixedCalendar : Calendar {
  std::int64_t ms = 0;
  std::int64_t LocalMs() const override { return ms; }
};

class EditCommandsTest : public ::testing::Test {
 protected:
  emu::Desktop desktop;
  std::unique_ptr<EditControl> box = desktop.CreateEditControl();
  emu::ClipboardModel clipboard;
  FixedCalendar calendar;
  headless::HeadlessShell shell;
  EditCommands edits{{[this]() -> EditControl& { return *box; }, clipboard, calendar, shell}};
};

TEST(DateText, JapaneseDayOfTheWeekWhateverTheLocale) {
  EXPECT_EQ(DateText(989830800000), u"2001/05/14(月)");
  constexpr std::int64_t kDay = 86'400'000;
  const char16_t* week[] = {u"月", u"火", u"水", u"木", u"金", u"土", u"日"};
  for (int i = 0; i < 7; ++i) {
    const ustring date = DateText(989830800000 + i * kDay);
    EXPECT_EQ(date.substr(11, 1), week[i]) << i;
  }
  EXPECT_EQ(DateText(0), u"1970/01/01(木)");
  EXPECT_EQ(DateText(-1), u"1969/12/31(水)");
  EXPECT_EQ(DateText(951782400000), u"2000/02/29(火)");
}

TEST_F(EditCommandsTest, PasteAndDateGoAfterTheSelectionWhichStays) {
  box->SetText(u"abc");
  box->SetSel(0, 3);
  clipboard.SetText(u"X");
  edits.Paste();
  EXPECT_EQ(box->Text(), u"abcX");
  EXPECT_EQ(box->SelStart(), 4);
  EXPECT_EQ(box->SelLength(), 0);
  box->SetSel(1, 2);
  calendar.ms = 989830800000;
  edits.InsertDate();
  EXPECT_EQ(box->Text(), u"abc2001/05/14(月)X");
  // The pop-up menu's paste is the text box's own: it replaces the selection.
  box->SetSel(0, 3);
  edits.PasteOver();
  EXPECT_EQ(box->Text(), u"X2001/05/14(月)X");
}

TEST_F(EditCommandsTest, StatesFollowTheSelectionTheClipboardAndUndo) {
  EditStates s = edits.States();
  EXPECT_FALSE(s.cut || s.paste || s.undo || s.select_all);
  box->ReplaceSel(u"ab");
  clipboard.SetText(u"z");
  box->SetSel(0, 1);
  s = edits.States();
  EXPECT_TRUE(s.cut && s.paste && s.undo && s.select_all);
  edits.Cut();
  EXPECT_EQ(clipboard.Text(), u"a");
  EXPECT_EQ(box->Text(), u"b");
  edits.Cut();  // nothing selected: the clipboard stays
  edits.Copy();
  EXPECT_EQ(clipboard.Text(), u"a");
}

TEST_F(EditCommandsTest, AClipboardOfBinaryPastesItsTextUpToTheFirstNul) {
  clipboard.SetText(ustring(u"ok\0\x01\xFFFF junk", 10));
  EXPECT_TRUE(edits.States().paste);
  edits.Paste();
  EXPECT_EQ(box->Text(), u"ok");
  clipboard.SetText(ustring(u"\0abc", 4));
  EXPECT_FALSE(edits.States().paste);  // no text at all
  edits.Paste();
  EXPECT_EQ(box->Text(), u"ok");
}

TEST_F(EditCommandsTest, AMegabytePasteStopsAtTheLimitKeepsTheTextAndSaysSo) {
  std::vector<EditNotice> notices;
  box->SetNoticeSink([&notices](EditNotice n) { notices.push_back(n); });
  box->SetLimit(60000);
  box->SetText(u"keep");
  box->SetSel(4, 0);
  clipboard.SetText(ustring(1 << 20, u'x'));
  edits.Paste();
  EXPECT_EQ(box->Text().size(), 60000u);
  EXPECT_EQ(box->Text().substr(0, 4), u"keep");
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], EditNotice::kMaxText);
  // Full: a second paste adds nothing and loses nothing.
  edits.Paste();
  EXPECT_EQ(box->Text().size(), 60000u);
}

}  // namespace
}  // namespace orvo::editing
