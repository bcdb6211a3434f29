// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/tables/cell_tables.h"

#include <algorithm>

#include "braille/tables/table_group.h"

namespace orvo::braille {
namespace {

constexpr CellText kKanaCells[] = {
    // あ row
    {u'A', u"A"},
    {u'B', u"I"},
    {u'C', u"U"},
    {u'F', u"E"},
    {u'I', u"O"},
    // か row
    {u'*', u"KA"},
    {u'<', u"KI"},
    {u'%', u"KU"},
    {u'$', u"KE"},
    {u'[', u"KO"},
    // さ row
    {u':', u"SA"},
    {u'\\', u"SI"},
    {u'?', u"SU"},
    {u']', u"SE"},
    {u'W', u"SO"},
    // た row
    {u'O', u"TA"},
    {u'R', u"TI"},
    {u'N', u"TU"},
    {u'Q', u"TE"},
    {u'T', u"TO"},
    // な row
    {u'K', u"NA"},
    {u'L', u"NI"},
    {u'M', u"NU"},
    {u'P', u"NE"},
    {u'S', u"NO"},
    // は row
    {u'U', u"HA"},
    {u'V', u"HI"},
    {u'X', u"HU"},
    {u'&', u"HE"},
    {u'!', u"HO"},
    // ま row
    {u'Z', u"MA"},
    {u'(', u"MI"},
    {u'Y', u"MU"},
    {u'=', u"ME"},
    {u')', u"MO"},
    // ら row
    {u'E', u"RA"},
    {u'H', u"RI"},
    {u'D', u"RU"},
    {u'G', u"RE"},
    {u'J', u"RO"},
    // や row
    {u'/', u"YA"},
    {u'+', u"YU"},
    {u'>', u"YO"},
    // わ row, ん and small っ
    {u'\'', u"WA"},
    {u'9', u"WO"},
    {u'0', u"NN"},
    {u'1', u"XTU"},
    // Marks
    {u'3', u"-"},  // long vowel
    {u';', u","},  // comma
    {u'4', u"."},  // full stop
    {u'6', u"!"},
    {u'5', u"?"},
    {u'_', u"KAKKO"},
};

constexpr BracketCell kKanaBrackets[] = {
    {u'-', Bracket::kCorner, u"[", u"]"},
    {u'7', Bracket::kParen, u"(", u")"},
    {u'2', Bracket::kAngle, u"<", u">"},
};

constexpr CellText kDigitCells[] = {
    // Digits: the letters a-j
    {u'J', u"0"},
    {u'A', u"1"},
    {u'B', u"2"},
    {u'C', u"3"},
    {u'D', u"4"},
    {u'E', u"5"},
    {u'F', u"6"},
    {u'G', u"7"},
    {u'H', u"8"},
    {u'I', u"9"},
    // Marks
    {u';', u","},
    {u'4', u"."},
    {u'\'', u","},  // thousands separator
    {u'1', u"."},   // decimal point
    {u'5', u"+"},
    {u'9', u"-"},
    {u'*', u"*"},
    {u'/', u"/"},
};

constexpr CellText kLetterCells[] = {
    // a-j
    {u'A', u"A"},
    {u'B', u"B"},
    {u'C', u"C"},
    {u'D', u"D"},
    {u'E', u"E"},
    {u'F', u"F"},
    {u'G', u"G"},
    {u'H', u"H"},
    {u'I', u"I"},
    {u'J', u"J"},
    // k-t: a-j with dot 3
    {u'K', u"K"},
    {u'L', u"L"},
    {u'M', u"M"},
    {u'N', u"N"},
    {u'O', u"O"},
    {u'P', u"P"},
    {u'Q', u"Q"},
    {u'R', u"R"},
    {u'S', u"S"},
    {u'T', u"T"},
    // u-z: a-e with dots 3-6, and w
    {u'U', u"U"},
    {u'V', u"V"},
    {u'X', u"X"},
    {u'Y', u"Y"},
    {u'Z', u"Z"},
    {u'W', u"W"},
    // Marks
    {u'1', u","},
    {u'4', u"."},
    {u'-', u"-"},
    {u'8', u"?"},
    {u'6', u"!"},
    {u'\'', u"'"},
    {u'2', u";"},
    {u'3', u":"},
};

}  // namespace

std::span<const CellText> SingleCells(int input_mode) {
  switch (GroupOf(input_mode)) {
    case TableGroup::kKana:
      return kKanaCells;
    case TableGroup::kDigits:
      return kDigitCells;
    case TableGroup::kLetters:
      return kLetterCells;
    case TableGroup::kNone:
      break;
  }
  return {};
}

std::span<const BracketCell> BracketCells(int input_mode) {
  if (GroupOf(input_mode) == TableGroup::kKana) return kKanaBrackets;
  return {};
}

std::optional<SingleCell> LookupSingle(int input_mode, char16_t cell) {
  const auto cells = SingleCells(input_mode);
  const auto text = std::ranges::find(cells, cell, &CellText::cell);
  if (text != cells.end()) return SingleCell{text->text, Bracket::kNone, {}};
  const auto brackets = BracketCells(input_mode);
  const auto pair = std::ranges::find(brackets, cell, &BracketCell::cell);
  if (pair != brackets.end()) return SingleCell{pair->open, pair->bracket, pair->close};
  return std::nullopt;
}

}  // namespace orvo::braille
