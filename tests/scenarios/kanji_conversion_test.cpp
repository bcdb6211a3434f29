// SPDX-License-Identifier: GPL-3.0-or-later
// Writing Japanese with kanji in braille: a sentence typed as chords,
// converted, a clause resized, another candidate chosen, confirmed in two
// steps, with the real conversion dictionary (learning off).
#include "toolkit/forms/text_box_control.h"
#include "app/program_windows.h"
#include "platform/emulated/text_box.h"
#include "frontends/script/key_script.h"
#include "scenarios/scenario_fixture.h"

// anthy's reverse conversion keeps the split of each string it reads past the
// release of its context (allocated in anthy_init_split_context): a leak of
// anthy's own, a few hundred bytes a reading, that the leak checker is told
// of; nothing of this program is excused.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
  return "leak:anthy_init_split_context\nleak:anthy_do_context_set_str\n";
}

namespace orvo::testing {
namespace {

// わたしは にほんごを かきます
constexpr std::u16string_view kSentence = u"'O\\UL!0\"[9*<Z?";

class KanjiConversion : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::SessionOptions options;
    options.kanji_conversion = true;
    options.learning = false;
    session_ = std::make_unique<headless::Session>(folder_.Path(), u"", options);
    if (!session_->engine) GTEST_SKIP() << "no conversion dictionary: " << session_->engine_error;
    ASSERT_TRUE(session_->Start());
    session_->Tap(vk::kF1);
  }

  void Cells(std::u16string_view cells) {
    for (char16_t c : cells) session_->Chord(ChordOf(c));
  }
  MainWindow& W() { return session_->Main(); }
  const emu::ImeEmulator& Ime() {
    return dynamic_cast<emu::TextBox&>(W().ActiveTextBox()).Ime();
  }

  TempFolder folder_;
  std::unique_ptr<headless::Session> session_;
};

// A word found and replaced with the words typed in braille in the dialog:
// ファイル in the search box, 文書 converted in the replacement box.
TEST_F(KanjiConversion, TheReplaceDialogsBoxesTakeBrailleAndKanji) {
  const script::ParsedScript script = script::ParseScript(
      "tap F1\n"  // braille off: the text goes in as typed
      "clipboard ファイルを開く\n"
      "press Ctrl\ntap V\ntap Home\nrelease Ctrl\n"
      "menu mnuREPLACE\n"
      "tap F1\n"                               // braille input in the search box
      "chord DL\nchord FSL\nchord FD\nchord FJK\n"  // ふぁいる
      "tap F7\ntap N\n"                        // as katakana, confirmed
      "tap N\n"                                // on to the replacement box
      "chord K\nchord FSJL\nchord SKL\nchord J\nchord DJKL\n"  // ぶんしょ
      "tap Space\n");
  ASSERT_TRUE(script.errors.empty());
  session_->Run(script.steps);
  auto* find = session_->program.windows->FindTypingBox();
  ASSERT_NE(find, nullptr);
  EXPECT_EQ(dynamic_cast<emu::TextBox&>(find->Box()).Ime().CompositionString(), u"文書");
  session_->Tap('N');  // confirmed
  EXPECT_EQ(find->Text(), u"文書");
  session_->Tap('N');  // Enter: replace finds the word first
  session_->Tap(vk::kF4);
  EXPECT_EQ(W().ActiveTextBox().Text(), u"文書を開く");
}

TEST_F(KanjiConversion, SentenceConvertsAndConfirmsInTwoSteps) {
  Cells(kSentence);
  EXPECT_EQ(W().txtIN.Text(), u"ﾜﾀｼﾊﾆﾎﾝｺﾞｦｶｷﾏｽ");
  session_->Tap(vk::kSpace);
  EXPECT_EQ(session_->program.state.ConvStage, 2);
  const ustring converted = Ime().CompositionString();
  EXPECT_NE(converted.find(u"私"), ustring::npos) << ToUtf8(converted);
  EXPECT_NE(converted.find(u"日本語"), ustring::npos);
  ASSERT_GE(Ime().Clauses().size(), 2u);
  const ustring first_clause = Ime().Clauses()[0].text;
  const ustring first_reading = Ime().Clauses()[0].reading;

  session_->Tap('M');  // confirms the focused (first) clause only
  EXPECT_EQ(session_->Text(), first_clause);
  EXPECT_EQ(W().txtKAN.Text(), first_clause);
  EXPECT_EQ(W().txtOUT.Text(), first_reading);
  EXPECT_FALSE(W().txtIN.Text().empty());

  session_->Tap('N');  // and the rest
  EXPECT_EQ(session_->Text(), converted);
  EXPECT_TRUE(W().txtIN.Text().empty());
  EXPECT_EQ(session_->program.state.ConvStage, 0);
  EXPECT_EQ(first_reading + W().txtOUT.Text(), u"ﾜﾀｼﾊﾆﾎﾝｺﾞｦｶｷﾏｽ");
  EXPECT_NE(W().txtKAN.Text().find(u"書"), ustring::npos);
}

TEST_F(KanjiConversion, ResizeAndNextCandidateChangeTheFocusedClause) {
  Cells(kSentence);
  session_->Tap(vk::kSpace);
  const std::size_t reading_before = Ime().Clauses()[0].reading.size();
  session_->Tap(vk::kOemPlus);  // ; extends the focused clause
  EXPECT_EQ(Ime().Clauses()[0].reading.size(), reading_before + 1);
  session_->Tap('A');  // A shrinks it again
  EXPECT_EQ(Ime().Clauses()[0].reading.size(), reading_before);
  const ustring shown = Ime().Clauses()[0].text;
  session_->Tap(vk::kSpace);  // the next candidate
  EXPECT_NE(Ime().Clauses()[0].text, shown);
  EXPECT_EQ(Ime().Clauses()[0].selected, 1);
  session_->Tap('O');  // the next clause gets the focus
  EXPECT_EQ(Ime().FocusedClause(), 1);
  session_->Tap('N');
  EXPECT_TRUE(W().txtIN.Text().empty());
  EXPECT_FALSE(session_->Text().empty());
}

TEST_F(KanjiConversion, AChordAfterConversionConfirmsItFirst) {
  Cells(u"'O\\");  // わたし
  session_->Tap(vk::kSpace);
  const ustring converted = Ime().CompositionString();
  Cells(u"U");  // は: confirms the conversion, then composes anew
  EXPECT_EQ(session_->Text(), converted);
  EXPECT_EQ(W().txtIN.Text(), u"ﾊ");
}

// The conversion keys the README lists: A and ; resize the focused clause, P and Q go to the
// last and first clause, O to the next one, Space and I step through the candidates.
TEST_F(KanjiConversion, BrailleKeysResizeAndMoveBetweenClauses) {
  Cells(kSentence);
  session_->Tap(vk::kSpace);
  ASSERT_GE(Ime().Clauses().size(), 3u);
  const std::size_t first_length = Ime().Clauses()[0].reading.size();
  session_->Tap('A');
  EXPECT_EQ(Ime().Clauses()[0].reading.size(), first_length - 1);
  session_->Tap(vk::kOemPlus);  // ;
  EXPECT_EQ(Ime().Clauses()[0].reading.size(), first_length);
  const int last = static_cast<int>(Ime().Clauses().size()) - 1;
  session_->Tap('P');
  EXPECT_EQ(Ime().FocusedClause(), last);
  session_->Tap('Q');
  EXPECT_EQ(Ime().FocusedClause(), 0);
  session_->Tap('O');
  EXPECT_EQ(Ime().FocusedClause(), 1);
  session_->Tap(vk::kSpace);
  EXPECT_EQ(Ime().Clauses()[1].selected, 1);
  session_->Tap('I');
  EXPECT_EQ(Ime().Clauses()[1].selected, 0);
}

}  // namespace
}  // namespace orvo::testing

namespace orvo::testing {
namespace {

// はし: each kanji the dictionary offers is said with a word of its own.
TEST_F(KanjiConversion, HomophoneCandidatesAreSaidApart) {
  Cells(u"U\\");  // は し
  session_->program.Listen();
  std::vector<ustring> heard;
  for (int k = 0; k < 3; ++k) {
    session_->Tap(vk::kSpace);
    const std::vector<ustring> lines = session_->program.Listen();
    ASSERT_EQ(lines.size(), 1u);
    const ustring& said = lines[0];
    const ustring shown = Ime().Clauses()[0].text;
    EXPECT_TRUE(said.starts_with(shown + u' ')) << ToUtf8(said);
    EXPECT_EQ(said.find_first_of(u"橋箸端", shown.size()), ustring::npos) << "no kanji in " << ToUtf8(said);
    for (const ustring& earlier : heard) EXPECT_NE(said, earlier);
    heard.push_back(said);
  }
}

// F12 twice: the line, then its reading in katakana, for voices that read no kanji.
TEST_F(KanjiConversion, TheReviewKeyReadsTheLineInKatakana) {
  Cells(u"U\\");  // は し
  session_->Tap(vk::kSpace);
  session_->Tap('N');
  const ustring line = session_->Text();
  ASSERT_FALSE(line.empty());
  session_->program.Listen();
  session_->Tap(vk::kF12);
  EXPECT_EQ(session_->program.Listen(), std::vector<ustring>{u"ブンマツ"});
  session_->Tap(vk::kF12);
  EXPECT_EQ(session_->program.Listen(), std::vector<ustring>{line + u" ヨミ ハシ"});
}

}  // namespace
}  // namespace orvo::testing
