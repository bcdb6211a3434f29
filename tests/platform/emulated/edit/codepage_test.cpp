// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/edit/codepage.h"

#include <gtest/gtest.h>

namespace orvo::emu {
namespace {

TEST(CodepageTest, Cp932RoundTrips) {
  struct Case {
    const char16_t* text;
    const char* bytes;
  };
  const Case cases[] = {
      {u"", ""},
      {u"abc\r\n", "abc\r\n"},
      {u"あ", "\x82\xA0"},
      {u"ｱﾞ", "\xB1\xDE"},  // half-width katakana: one byte each
      {u"漢字", "\x8A\xBF\x8E\x9A"},
      {u"\\~", "\\~"},              // kept as ASCII, as the Windows code page does
      {u"～", "\x81\x60"},          // the full-width tilde CP932 maps 0x8160 to
      {u"①Ⅰ", "\x87\x40\x87\x54"},  // vendor extensions of CP932
  };
  for (const Case& c : cases) {
    const Encoded encoded = ToCp932(c.text);
    EXPECT_EQ(encoded.status, ConvStatus::kOk) << c.bytes;
    EXPECT_EQ(encoded.bytes, c.bytes);
    const Decoded decoded = FromCp932(c.bytes);
    EXPECT_EQ(decoded.status, ConvStatus::kOk) << c.bytes;
    EXPECT_EQ(decoded.text, c.text) << c.bytes;
    EXPECT_EQ(Cp932ByteLength(c.text), static_cast<int>(std::string(c.bytes).size()));
  }
}

TEST(CodepageTest, CharactersCp932LacksAreReported) {
  struct Case {
    const char16_t* text;
    const char* bytes;
    int count;
    int first;
  };
  const Case cases[] = {
      {u"a한b", "a?b", 1, 1},
      {u"\U00020BB7x", "?x", 1, 0},  // a surrogate pair is one character
      {u"é\xD800z", "??z", 2, 0},    // so is a lone surrogate
      {u"ok\xDC00", "ok?", 1, 2},
  };
  for (const Case& c : cases) {
    const Encoded encoded = ToCp932(c.text);
    EXPECT_EQ(encoded.status, ConvStatus::kUnconvertible) << c.bytes;
    EXPECT_EQ(encoded.bytes, c.bytes);
    EXPECT_EQ(encoded.unconvertible, c.count) << c.bytes;
    EXPECT_EQ(encoded.first_unconvertible, c.first) << c.bytes;
    EXPECT_EQ(Cp932ByteLength(c.text), static_cast<int>(std::string(c.bytes).size()));
  }
}

TEST(CodepageTest, InvalidCp932BytesAreReported) {
  struct Case {
    std::string bytes;
    const char16_t* text;
    int first;
  };
  const Case cases[] = {
      {"a\xA0z", u"a\uFFFDz", 1},        // a byte no character has
      {"\x82\xA0\x82", u"あ\uFFFD", 2},  // a lead byte cut off by the end
  };
  for (const Case& c : cases) {
    const Decoded decoded = FromCp932(c.bytes);
    EXPECT_EQ(decoded.status, ConvStatus::kUnconvertible) << c.first;
    EXPECT_EQ(decoded.text, c.text) << c.first;
    EXPECT_EQ(decoded.unconvertible, 1) << c.first;
    EXPECT_EQ(decoded.first_unconvertible, c.first);
  }
}

TEST(CodepageTest, LongTextCrossesTheConversionChunks) {
  ustring text;
  for (int i = 0; i < 5000; ++i) text += u"あa";
  text += u"한";
  const Encoded encoded = ToCp932(text);
  EXPECT_EQ(encoded.bytes.size(), 15001u);
  EXPECT_EQ(encoded.first_unconvertible, 10000);
  const Decoded decoded = FromCp932(encoded.bytes);
  EXPECT_EQ(decoded.text.substr(0, 10000), text.substr(0, 10000));
  EXPECT_EQ(decoded.text.back(), u'?');
}

// A test process never calls setlocale, so its locale is "C": plain ASCII,
// which holds no Japanese. Its files are UTF-8 instead, so a text typed there
// can be saved.
TEST(CodepageTest, TheCLocaleMeansUtf8) {
#if defined(_WIN32)
  GTEST_SKIP() << "Windows has no C locale charset: the system's code page is the ANSI code page";
#endif
  EXPECT_EQ(CharsetName(CodePage::kLocale), "UTF-8");
  const Encoded kana = Encode(u"aあ", CodePage::kLocale);
  EXPECT_EQ(kana.status, ConvStatus::kOk);
  EXPECT_EQ(kana.bytes, "a\xE3\x81\x82");
  EXPECT_EQ(Decode("xy", CodePage::kLocale).text, u"xy");
  EXPECT_EQ(Decode("x\xE3", CodePage::kLocale).status, ConvStatus::kUnconvertible);
}

}  // namespace
}  // namespace orvo::emu
