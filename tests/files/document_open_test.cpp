// SPDX-License-Identifier: GPL-3.0-or-later
// What opens and what is refused, and how the text looks once it has opened.
#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include <clocale>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "files/files_fixture.h"

namespace orvo::testing {
namespace {

using Open = FilesTest;

TEST_F(Open, SixtyThousandBytesOpenAndOneMoreIsRefused) {
  Write("full.txt", std::string(60000, 'a'));
  Run("menu mnuFILE_OPEN\ndialog full.txt\n");
  EXPECT_EQ(Text().size(), 60000u);
  EXPECT_EQ(S().Main().Caption(), u"Ｏｒｖｏ ４ － full.txt  ( 60,000 byte )");

  Write("over.txt", std::string(60001, 'a'));
  Run("menu mnuFILE_OPEN\ndialog over.txt\ntap Enter\n");
  EXPECT_EQ(LastMessage(),
            u"警告＝ over.txt は 60001 バイトです！\u3000\u3000\u3000\r\n\r\n"
            u"\u3000\u3000\u3000６０Ｋバイトを超えるファイルは\r\n\r\n"
            u"\u3000\u3000\u3000読み込み、編集ができません！\u3000\u3000\u3000");
  EXPECT_EQ(Text().size(), 60000u);  // the text before stays
}

TEST_F(Open, TheFileDialogsStartInTheDocumentsFolder) {
  std::filesystem::create_directories(Path("letters"));
  Run("menu mnuFILE_OPEN\ndialog cancel\n");
  ASSERT_FALSE(S().dialogs.Shown().empty());
  EXPECT_EQ(S().dialogs.Shown().back().folder, u"") << "a new document's: the desktop's choice";
  Write("letters/to-mother.txt", "abc");
  Run("menu mnuFILE_OPEN\ndialog letters/to-mother.txt\n");
  EXPECT_EQ(Text(), u"abc");
  Run("menu mnuFILE_OPEN\ndialog cancel\n");
  EXPECT_EQ(S().dialogs.Shown().back().folder, FromUtf8(Path("letters")));
  Run("menu mnuFILE_SAVEAS\ndialog cancel\n");
  EXPECT_EQ(S().dialogs.Shown().back().kind, "save");
  EXPECT_EQ(S().dialogs.Shown().back().folder, FromUtf8(Path("letters")));
}

TEST_F(Open, ADroppedFileTooLongShowsItsLengthGrouped) {
  Write("big.txt", std::string(70000, 'a'));
  Run("drop big.txt\n");
  EXPECT_NE(LastMessage().find(u"big.txt は 70,000 バイトです！"), std::u16string::npos);
  EXPECT_NE(LastMessage().find(u"６０ Ｋバイト"), std::u16string::npos);
}

TEST_F(Open, AnEmptyFileShowsNoSize) {
  Write("empty.txt", "");
  Run("menu mnuFILE_OPEN\ndialog empty.txt\n");
  EXPECT_EQ(S().Main().Caption(), u"Ｏｒｖｏ ４ － empty.txt  (  byte )");
  EXPECT_EQ(S().program.documents.State().Kind, files::DocumentKind::kFile);
}

TEST_F(Open, WhatIsNotAPlainFileIsRefusedWithoutWaiting) {
  std::filesystem::create_directory(Path("folder.txt"));
#if defined(_WIN32)
  // Windows has no named pipes or devices among a folder's files.
  for (const char* name : {"folder.txt", "missing.txt"}) {
#else
  ASSERT_EQ(::mkfifo(Path("pipe.txt").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", Path("zero.txt"));
  for (const char* name : {"folder.txt", "pipe.txt", "zero.txt", "missing.txt"}) {
#endif
    SCOPED_TRACE(name);
    Run(std::string("menu mnuFILE_OPEN\ndialog ") + name + "\n" + std::string("tap Enter\n"));
    EXPECT_TRUE(LastMessage().starts_with(u"Open_Err-")) << ToUtf8(LastMessage());
    EXPECT_EQ(Text(), u"");
    EXPECT_EQ(S().program.documents.State().CurrentPath, u"");
  }
}

TEST_F(Open, BytesThatAreTextInNeitherCodePageAreRefusedNamingBoth) {
  Write("binary.txt", std::string("\x82\xff\x00\x81", 4));
  Run("menu mnuFILE_OPEN\ndialog binary.txt\ntap Enter\n");
  EXPECT_TRUE(LastMessage().starts_with(u"このファイルは 文字コード UTF-8、CP932 のいずれのテキストでもありません！"))
      << ToUtf8(LastMessage());
  EXPECT_EQ(Text(), u"");
}

// Whatever the system code page, a file is read and written in the one it came in.
TEST_F(Open, EachFileIsSavedInTheCodePageItCameIn) {
  struct Case {
    const char* name;
    std::string bytes;
    std::u16string shown;
    const char* code_page;
    std::string saved;  // after あ typed at the start
  };
  const Case cases[] = {
      {"sjis.txt", "\x82\xa0\r\n", u"あ\r\n", "CP932", "\x82\xa0\x82\xa0\r\n"},
      {"utf8.txt", "\xe3\x81\x82\n", u"あ\r\n", "UTF-8", "\xe3\x81\x82\xe3\x81\x82\n"},
      {"bom.txt", "\xef\xbb\xbf\xe3\x81\x82", u"あ", "UTF-8", "\xef\xbb\xbf\xe3\x81\x82\xe3\x81\x82"},
      // Half-width ﾃｽ in CP932 is C3 BD, UTF-8's ý: valid UTF-8 is UTF-8.
      {"both.txt", "\xc3\xbd", u"ý", "UTF-8", "\xe3\x81\x82\xc3\xbd"},
      // ASCII alone is text in both: it keeps the system code page (CP932 here).
      {"ascii.txt", "ab", u"ab", "CP932", "\x82\xa0" "ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OpenAfresh(c.name, c.bytes);
    EXPECT_EQ(Text(), c.shown);
    const files::DocumentState& state = S().program.documents.State();
    EXPECT_EQ(files::CodePageOf(state.Encoding, S().platform.file_code_pages).Name(), c.code_page);
    Run("tap F1\nchord F\ntap N\ntap F1\nmenu mnuFILE_SAVE\ntap Enter\n");
    EXPECT_EQ(Bytes(c.name), c.saved);
    // The title counts the bytes written.
    EXPECT_NE(S().Main().Caption().find(u"( " + FromUtf8(std::to_string(c.saved.size())) + u" byte )"),
              std::u16string::npos)
        << ToUtf8(S().Main().Caption());
  }
}

TEST_F(Open, TheStatusLineAndTheLimitCountTheBytesAsTheFileIsWritten) {
  // 20,000 あ: 40,000 bytes in CP932, 60,000 in UTF-8, the limit.
  std::string utf8;
  for (int i = 0; i < 20000; ++i) utf8 += "\xe3\x81\x82";
  Write("full.txt", utf8);
  Run("menu mnuFILE_OPEN\ndialog full.txt\n");
  EXPECT_EQ(Text().size(), 20000u);
  EXPECT_EQ(S().program.documents.DiskSize(Text()), 60000);
  // Not a byte more fits.
  Run("tap End\ntap A\n");
  EXPECT_EQ(Text().size(), 20000u);
}

TEST_F(Open, AMarkedFileFillsToTheLastByteAndTheSizeFollowsTheFile) {
  // The same letters with and without the mark: the size follows the file.
  Write("plain.txt", "ab");
  Write("plain-marked.txt", "\xef\xbb\xbf" "ab");
  for (const std::string name : {"plain.txt", "plain-marked.txt", "plain.txt"}) {
    Run("menu mnuFILE_OPEN\ndialog " + name + "\ntap End\n");
    EXPECT_EQ(S().Main().lblFileSIZE.Caption(), name == "plain.txt" ? u"2" : u"5") << name;
  }
  // The mark and 59,987 letters: a paste of 16 takes ten, to 60,000 bytes.
  OpenAfresh("marked.txt", "\xef\xbb\xbf" + std::string(59987, 'a'));
  Run("tap End\nclipboard bcdefghijklmnopq\nmenu mnuPAST\ntap End\n");
  EXPECT_EQ(Text().size(), 59997u);
  EXPECT_EQ(S().program.documents.DiskSize(Text()), 60000);
  EXPECT_EQ(S().Main().lblFileSIZE.Caption(), u"60,000");
}

TEST_F(Open, LineEndsComeBackAsTheyWere) {
  struct Case {
    const char* name;
    std::string bytes;
    std::u16string shown;
  };
  const Case cases[] = {
      {"lf.txt", "a\nb\n", u"a\r\nb\r\n"},
      {"crlf.txt", "a\r\nb\r\n", u"a\r\nb\r\n"},
      {"mixed.txt", "a\r\nb\nc", u"a\r\nb\nc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OpenAfresh(c.name, c.bytes);
    EXPECT_EQ(Text(), c.shown);
    // Saved unchanged in substance: a character typed and taken back.
    Run("tap A\ntap Backspace\nmenu mnuFILE_SAVE\ntap Enter\n");
    EXPECT_EQ(Bytes(c.name), c.bytes);
  }
}

TEST_F(Open, EveryKindOfCharacterTheEditorMakesRoundTrips) {
  // Kana, kanji, half-width katakana, full-width letters, symbols, ASCII.
  const std::string cp932 =
      "\x82\xa0\x82\xa2\x83\x41\x83\x94\x93\xfa\x96\x7b\xb1\xb2\xdd\xde\x82\x60\x82\x81\x82\x4f"
      "\x81\x9b\x81\x9c\x81\x40\x81\x42\x81\x75\x81\x76\x81\x60\x81\x7c\x88\x9f\x98\x9f\xea\xa4"
      "abc 123\n\x87\x40\x87\x54\n";
  Write("all.txt", cp932);
  Run("menu mnuFILE_OPEN\ndialog all.txt\ntap A\ntap Backspace\nmenu mnuFILE_SAVE\ntap Enter\n");
  EXPECT_EQ(Bytes("all.txt"), cp932);
  EXPECT_FALSE(Modified());
}

TEST(OpenInTheLocale, AUtf8FileWithLfLineEndsRoundTrips) {
  const char* before = std::setlocale(LC_ALL, nullptr);
  const std::string saved = before != nullptr ? before : "C";
  if (std::setlocale(LC_ALL, "C.UTF-8") == nullptr) GTEST_SKIP() << "no C.UTF-8 locale";
  {
    test_support::TempFolder folder;
    headless::SessionOptions options;
    options.code_page = emu::CodePage::kLocale;
    headless::Session s(folder.Path(), {}, options);
    ASSERT_TRUE(s.Start());
    const std::string utf8 = "かなカナ漢字ｶﾅＡａ①〜—\nabc\n";
    std::ofstream(folder.Path() + "/u.txt", std::ios::binary) << utf8;
    const auto parsed = script::ParseScript("menu mnuFILE_OPEN\ndialog u.txt\ntap A\ntap Backspace\nmenu mnuFILE_SAVE\ntap Enter\n");
    s.Run(parsed.steps);
    EXPECT_FALSE(s.Failed().has_value());
    EXPECT_EQ(s.Text(), u"かなカナ漢字ｶﾅＡａ①〜—\r\nabc\r\n");
    std::ifstream in(folder.Path() + "/u.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), utf8);
  }
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace orvo::testing
