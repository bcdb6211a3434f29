// SPDX-License-Identifier: GPL-3.0-or-later
// Which code page a file's bytes are in: UTF-8 when they are well-formed
// UTF-8 (a byte-order mark before them kept), else CP932, ASCII alone the
// system code page's, anything else refused.
#include "files/text_file.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/emulated/system_code_page.h"

namespace orvo::files {
namespace {

TEST(IsUtf8, TakesWellFormedSequencesOnly) {
  const struct {
    std::string bytes;
    bool utf8;
  } cases[] = {
      {"", true},
      {"abc", true},
      {"\xe3\x81\x82", true},          // あ
      {"\xf0\x9f\x98\x80", true},      // U+1F600, beyond the BMP
      {"\xf4\x8f\xbf\xbf", true},      // U+10FFFF, the last
      {"\xc3\xbd", true},              // ý, and ﾃｽ in CP932
      {"\xc0\xaf", false},             // an overlong /
      {"\xe0\x80\xaf", false},         // another
      {"\xed\xa0\x80", false},         // a surrogate
      {"\xf4\x90\x80\x80", false},     // beyond U+10FFFF
      {"\xe3\x81", false},             // cut short
      {"\x82\xa0", false},             // あ in CP932
      {"\xbf", false},                 // a continuation byte alone
      {"\xf5\x80\x80\x80", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsUtf8(c.bytes), c.utf8) << testing::PrintToString(c.bytes);
}

class Detect : public ::testing::Test {
 protected:
  std::string Named(std::string_view bytes, const FileCodePages& pages) {
    const auto encoding = DetectEncoding(bytes, pages);
    if (!encoding) return "refused";
    return CodePageOf(*encoding, pages).Name() + (encoding->byte_order_mark ? " BOM" : "");
  }
  emu::ConvertingCodePage utf8_{emu::CodePage::kUtf8};
  emu::ConvertingCodePage cp932_{emu::CodePage::kCp932};
};

TEST_F(Detect, UsesTheRuleWhateverTheSystemCodePage) {
  for (const emu::ConvertingCodePage* standard : {&utf8_, &cp932_}) {
    const FileCodePages pages{*standard, utf8_, cp932_};
    SCOPED_TRACE(standard->Name());
    EXPECT_EQ(Named("\xe3\x81\x82\r\n", pages), "UTF-8");
    EXPECT_EQ(Named("\xef\xbb\xbf\xe3\x81\x82", pages), "UTF-8 BOM");
    EXPECT_EQ(Named("\xef\xbb\xbf", pages), "UTF-8 BOM");
    EXPECT_EQ(Named("\x82\xa0\x83\x41\xb1", pages), "CP932");
    EXPECT_EQ(Named("abc\r\n", pages), standard->Name());  // both: the system's
    EXPECT_EQ(Named("", pages), standard->Name());
    EXPECT_EQ(Named("\x82\xff", pages), "refused");
    EXPECT_EQ(TriedCodePages(pages), u"UTF-8、CP932");
  }
}

TEST_F(Detect, AByteOrderMarkIsDroppedFromTheTextAndWrittenAgain) {
  const FileCodePages pages{cp932_, utf8_, cp932_};
  const DecodedFile read = DecodeFile("\xef\xbb\xbf\xe3\x81\x82\n", pages);
  ASSERT_TRUE(read.valid);
  EXPECT_EQ(read.text, u"あ\r\n");
  EXPECT_EQ(EncodeFile(read.text, read.ends, read.encoding, pages).bytes, "\xef\xbb\xbf\xe3\x81\x82\n");
  EXPECT_EQ(DiskBytes(read.text, read.ends, read.encoding, pages), 7);
  EXPECT_EQ(DecodeText("\xef\xbb\xbf\xe3\x81\x82\n", pages), u"あ\n");
}

}  // namespace
}  // namespace orvo::files
