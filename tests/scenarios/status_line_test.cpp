// SPDX-License-Identifier: GPL-3.0-or-later
// The status line: column in full-width widths, line, line count, and the
// text's size in the system code page's bytes.
#include "editing/text_box_services.h"
#include "scenarios/scenario_fixture.h"

namespace orvo::testing {
namespace {

TEST(StatusFormat, ColumnsAndThousands) {
  EXPECT_EQ(editing::FormatColumn(0), u"0．0");
  EXPECT_EQ(editing::FormatColumn(3), u"1．5");
  EXPECT_EQ(editing::FormatColumn(5), u"2．5");
  EXPECT_EQ(editing::FormatColumn(8), u"4．0");
  EXPECT_EQ(editing::FormatThousands(0), u"0");
  EXPECT_EQ(editing::FormatThousands(999), u"999");
  EXPECT_EQ(editing::FormatThousands(1234), u"1,234");
  EXPECT_EQ(editing::FormatThousands(1234567), u"1,234,567");
}

struct SizeCase {
  const char16_t* text;
  const char16_t* bytes;
};

TEST_F(Scenario, SizeIsCountedInTheSystemCodePage) {
  const SizeCase cases[] = {
      {u"", u"0"},
      {u"あ", u"2"},
      {u"aｱ", u"2"},            // ASCII and half-width kana take one byte each
      {u"①Ⅰ", u"4"},           // the code page's own extra characters
      {u"한😀", u"2"},          // characters it lacks are saved as one '?' each
      {u"\r\n", u"1"},        // a new text is saved with LF: a line end takes one byte
  };
  for (const SizeCase& c : cases) {
    W().ActiveTextBox().SetText(c.text);
    S().program.text.UpdateStatus();
    EXPECT_EQ(W().lblFileSIZE.Caption(), c.bytes) << ToUtf8(c.text);
  }
  W().ActiveTextBox().SetText(ustring(617, u'あ'));
  S().program.text.UpdateStatus();
  EXPECT_EQ(W().lblFileSIZE.Caption(), u"1,234");
}

TEST_F(Scenario, LineAndColumnFollowTheCaret) {
  W().ActiveTextBox().SetText(u"abc\r\nあいう");
  W().ActiveTextBox().SetSel(7, 0);  // after あい on the second line
  S().program.text.UpdateStatus();
  EXPECT_EQ(W().lblGYO.Caption(), u"2");
  EXPECT_EQ(W().lblAllGYO.Caption(), u"2");
  EXPECT_EQ(W().lblKETA.Caption(), u"2．0");
  W().ActiveTextBox().SetSel(2, 0);
  S().program.text.UpdateStatus();
  EXPECT_EQ(W().lblKETA.Caption(), u"1．0");
}

TEST_F(Scenario, TheStatusLineReadsAsOneSentence) {
  W().ActiveTextBox().SetText(u"abc\r\nあいう");
  W().ActiveTextBox().SetSel(7, 0);
  S().program.text.UpdateStatus();
  EXPECT_EQ(W().picSTATUS.AccessibleName(), u"ファイルサイズ：10ﾊﾞｲﾄ 全行：2 ／行目：2 桁：2．0");
  // Told once: the same figures again change nothing.
  int changes = 0;
  const int id = S().program.forms.Subscribe([&](const forms::FormsEvent& e) {
    if (e.part == forms::FormsEvent::Part::kControl) ++changes;
  });
  S().program.text.UpdateStatus();
  S().program.forms.Unsubscribe(id);
  EXPECT_EQ(changes, 0);
}

TEST_F(Scenario, CaretToLineEdgesAndTextEdges) {
  BrailleOn();
  W().ActiveTextBox().SetText(u"ab\r\ncd\r\nef");
  W().ActiveTextBox().SetSel(5, 0);  // between c and d
  S().Tap('A');
  EXPECT_EQ(W().ActiveTextBox().SelStart(), 4);
  S().Tap(vk::kOemPlus);
  EXPECT_EQ(W().ActiveTextBox().SelStart(), 6);
  S().Tap('Q');
  EXPECT_EQ(W().ActiveTextBox().SelStart(), 0);
  S().Tap('A');  // the first line's start stays put
  EXPECT_EQ(W().ActiveTextBox().SelStart(), 0);
  S().Tap('P');
  EXPECT_EQ(W().ActiveTextBox().SelStart(), 10);
  S().Tap(vk::kOemPlus);  // the last line's end is the end of the text
  EXPECT_EQ(W().ActiveTextBox().SelStart(), 10);
}

}  // namespace
}  // namespace orvo::testing
