// SPDX-License-Identifier: GPL-3.0-or-later
// Digits, letters, capitals and the symbol cells of each input mode, and the
// ways back to kana.
#include "scenarios/scenario_fixture.h"

namespace orvo::testing {
namespace {

struct ModeCase {
  const char* name;
  const char16_t* cells;
  const char16_t* text;  // after confirming
  int mode_after;        // InputMode when done
};

constexpr ModeCase kModeCases[] = {
    {"digits", u"#ABCDEFGHIJ", u"１２３４５６７８９０", 1},  // Enter returns to kana
    {"digit_marks", u"#A1B4C", u"１．２．３", 1},
    {"digit_equals", u"#A33B", u"１＝２", 1},
    {"digits_then_kana", u"#A0*", u"１か", 1},
    {"letters", u"8ABC", u"ａｂｃ", 3},
    {"one_capital", u"8,AB", u"Ａｂ", 3},
    {"capitals", u"8,,AB", u"ＡＢ", 5},
    {"capitals_left", u"8,,A8B", u"Ａｂ", 3},
    {"third_sign_single_capital", u"8,,,AB", u"Ａｂ", 3},
    {"letters_then_kana", u"8A0*", u"ａか", 1},
    {"letters_then_digits", u"8A#B", u"ａ２", 1},
    {"letter_symbols", u"8A;P;&;%;*", u"ａ％＆＃＊", 3},
    {"letter_marks", u"8A18", u"ａ，？", 3},
};

class ModeTyping : public Scenario, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeTyping, TypesTheExpectedCharacters) {
  const ModeCase& c = GetParam();
  BrailleOn();
  Cells(c.cells);
  Confirm();
  EXPECT_EQ(Text(), c.text);
  EXPECT_EQ(State().InputMode, c.mode_after);
  EXPECT_TRUE(Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(All, ModeTyping, ::testing::ValuesIn(kModeCases),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

}  // namespace
}  // namespace orvo::testing
