#include "platform/emulated/anthy/anthy_reading.h"

#include <algorithm>

namespace orvo::emu {
namespace {

struct FormRow {
  ustring_view shown;  // as the composition may show it
  char16_t anthy;      // as anthy converts it
};

// clang-format off
// Half-width katakana; the voiced pairs come first so that they win over their base kana.
constexpr FormRow kHalfWidth[] = {
    {u"ｶﾞ", u'が'}, {u"ｷﾞ", u'ぎ'}, {u"ｸﾞ", u'ぐ'}, {u"ｹﾞ", u'げ'}, {u"ｺﾞ", u'ご'},
    {u"ｻﾞ", u'ざ'}, {u"ｼﾞ", u'じ'}, {u"ｽﾞ", u'ず'}, {u"ｾﾞ", u'ぜ'}, {u"ｿﾞ", u'ぞ'},
    {u"ﾀﾞ", u'だ'}, {u"ﾁﾞ", u'ぢ'}, {u"ﾂﾞ", u'づ'}, {u"ﾃﾞ", u'で'}, {u"ﾄﾞ", u'ど'},
    {u"ﾊﾞ", u'ば'}, {u"ﾋﾞ", u'び'}, {u"ﾌﾞ", u'ぶ'}, {u"ﾍﾞ", u'べ'}, {u"ﾎﾞ", u'ぼ'},
    {u"ﾊﾟ", u'ぱ'}, {u"ﾋﾟ", u'ぴ'}, {u"ﾌﾟ", u'ぷ'}, {u"ﾍﾟ", u'ぺ'}, {u"ﾎﾟ", u'ぽ'},
    {u"ｳﾞ", u'ヴ'},
    {u"ｱ", u'あ'}, {u"ｲ", u'い'}, {u"ｳ", u'う'}, {u"ｴ", u'え'}, {u"ｵ", u'お'},
    {u"ｶ", u'か'}, {u"ｷ", u'き'}, {u"ｸ", u'く'}, {u"ｹ", u'け'}, {u"ｺ", u'こ'},
    {u"ｻ", u'さ'}, {u"ｼ", u'し'}, {u"ｽ", u'す'}, {u"ｾ", u'せ'}, {u"ｿ", u'そ'},
    {u"ﾀ", u'た'}, {u"ﾁ", u'ち'}, {u"ﾂ", u'つ'}, {u"ﾃ", u'て'}, {u"ﾄ", u'と'},
    {u"ﾅ", u'な'}, {u"ﾆ", u'に'}, {u"ﾇ", u'ぬ'}, {u"ﾈ", u'ね'}, {u"ﾉ", u'の'},
    {u"ﾊ", u'は'}, {u"ﾋ", u'ひ'}, {u"ﾌ", u'ふ'}, {u"ﾍ", u'へ'}, {u"ﾎ", u'ほ'},
    {u"ﾏ", u'ま'}, {u"ﾐ", u'み'}, {u"ﾑ", u'む'}, {u"ﾒ", u'め'}, {u"ﾓ", u'も'},
    {u"ﾔ", u'や'}, {u"ﾕ", u'ゆ'}, {u"ﾖ", u'よ'},
    {u"ﾗ", u'ら'}, {u"ﾘ", u'り'}, {u"ﾙ", u'る'}, {u"ﾚ", u'れ'}, {u"ﾛ", u'ろ'},
    {u"ﾜ", u'わ'}, {u"ｦ", u'を'}, {u"ﾝ", u'ん'},
    {u"ｧ", u'ぁ'}, {u"ｨ", u'ぃ'}, {u"ｩ", u'ぅ'}, {u"ｪ", u'ぇ'}, {u"ｫ", u'ぉ'},
    {u"ｬ", u'ゃ'}, {u"ｭ", u'ゅ'}, {u"ｮ", u'ょ'}, {u"ｯ", u'っ'},
    {u"ｰ", u'ー'}, {u"､", u'、'}, {u"｡", u'。'}, {u"｢", u'「'}, {u"｣", u'」'},
    {u"･", u'・'}, {u"ﾞ", u'゛'}, {u"ﾟ", u'゜'},
};

// Full-width kana anthy knows only in one form: ヴ as katakana (its hiragana
// ゔ is not in the dictionary), the small ヵ ヶ as they are (counters, ヶ月).
constexpr FormRow kKanaExceptions[] = {
    {u"ゔ", u'ヴ'}, {u"ヴ", u'ヴ'}, {u"ヵ", u'ヵ'}, {u"ヶ", u'ヶ'},
};
// clang-format on

constexpr char16_t kKatakanaFirst = u'ァ';
constexpr char16_t kKatakanaLast = u'ヶ';
constexpr char16_t kKanaOffset = u'ァ' - u'ぁ';

bool IsHighSurrogate(char16_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }
bool IsLowSurrogate(char16_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }

// The anthy form of the character at the front of `rest` and how many units it takes.
struct Step {
  ustring text;
  int units = 0;  // 0: cannot be given to anthy
};

Step Convert(ustring_view rest) {
  const char16_t ch = rest.front();
  for (const FormRow& row : kHalfWidth) {
    if (rest.starts_with(row.shown))
      return {ustring(1, row.anthy), static_cast<int>(row.shown.size())};
  }
  for (const FormRow& row : kKanaExceptions) {
    if (row.shown.front() == ch) return {ustring(1, row.anthy), 1};
  }
  if (ch >= kKatakanaFirst && ch <= kKatakanaLast) {
    return {ustring(1, static_cast<char16_t>(ch - kKanaOffset)), 1};
  }
  if (IsHighSurrogate(ch)) {
    if (rest.size() >= 2 && IsLowSurrogate(rest[1])) return {ustring(rest.substr(0, 2)), 2};
    return {};
  }
  if (ch == 0 || IsLowSurrogate(ch)) return {};
  return {ustring(1, ch), 1};
}

}  // namespace

bool AnthyReading::Assign(ustring_view reading) {
  reading_.clear();
  text_.clear();
  reading_at_.assign(1, 0);
  text_at_.assign(1, 0);
  ustring text;
  std::vector<int> reading_at{0};
  std::vector<int> text_at{0};
  for (std::size_t i = 0; i < reading.size();) {
    const Step step = Convert(reading.substr(i));
    if (step.units == 0) {
      utf8_.clear();
      return false;
    }
    i += static_cast<std::size_t>(step.units);
    text += step.text;
    reading_at.push_back(static_cast<int>(i));
    text_at.push_back(static_cast<int>(text.size()));
  }
  reading_ = reading;
  text_ = std::move(text);
  reading_at_ = std::move(reading_at);
  text_at_ = std::move(text_at);
  utf8_ = ToUtf8(text_);
  return true;
}

int AnthyReading::Clamp(int position) const { return std::clamp(position, 0, Length()); }

int AnthyReading::ReadingUnitsBefore(int position) const { return reading_at_[Clamp(position)]; }

ustring AnthyReading::AnthyText(int begin, int end) const {
  const int from = text_at_[Clamp(begin)];
  const int to = text_at_[Clamp(std::max(begin, end))];
  return text_.substr(from, to - from);
}

ustring AnthyReading::ReadingText(int begin, int end) const {
  const int from = reading_at_[Clamp(begin)];
  const int to = reading_at_[Clamp(std::max(begin, end))];
  return reading_.substr(from, to - from);
}

bool IsConvertibleKana(char16_t ch) {
  return (ch >= u'ぁ' && ch <= u'ゖ') || ch == u'ー' || ch == u'ヴ';
}

bool KeepsLiterals(ustring_view reading, ustring_view candidate) {
  std::size_t at = 0;
  for (char16_t ch : reading) {
    if (IsConvertibleKana(ch)) continue;
    at = candidate.find(ch, at);
    if (at == ustring_view::npos) return false;
    ++at;
  }
  return true;
}

}  // namespace orvo::emu
