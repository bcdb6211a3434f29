// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file written by the program on another system: Shift-JIS from a
// Japanese Windows, UTF-8 from a Linux desktop (with or without a byte-order
// mark). Each program reads it right whatever its own code page, writes it
// back in the code page it came in, and keeps the person's other lines.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "frontends/headless/session.h"
#include "platform/emulated/system_code_page.h"
#include "settings/settings_file.h"
#include "support/temp_folder.h"

namespace orvo::settings {
namespace {

using headless::Session;
using headless::SessionOptions;

const ustring kFont = u"ＭＳ ゴシック";
const ustring kRecent = u"メモ.txt\\/home/u/かな書き/メモ.txt";
const ustring kOtherRecent = u"日記.txt\\/home/u/にっき/日記.txt";

// The file as the person has it, in Unicode: a comment of theirs among the program's keys.
ustring FileText(const ustring& font, const ustring& recent) {
  return u"[SETTING]\r\n; 自分用の設定\r\nBC=255\r\nFC=0\r\nFS=20\r\nFN=" + font +
         u"\r\n\r\n[MRU]\r\n1=" + recent + u"\r\n2=\r\n3=\r\n4=\r\n";
}

struct Written {
  const char* name;
  emu::CodePage code_page;  // of the program that wrote it
  bool byte_order_mark;
};

const Written kWritten[] = {
    {"Shift-JIS", emu::CodePage::kCp932, false},
    {"UTF-8", emu::CodePage::kUtf8, false},
    {"UTF-8 with a byte-order mark", emu::CodePage::kUtf8, true},
};

std::string Bytes(const ustring& text, const Written& as) {
  const emu::ConvertingCodePage code_page(as.code_page);
  int lost = 0;
  std::string bytes = code_page.Encode(text, &lost);
  EXPECT_EQ(lost, 0);
  return (as.byte_order_mark ? "\xEF\xBB\xBF" : "") + bytes;
}

class SettingsCodePage : public ::testing::Test {
 protected:
  std::string IniPath() const { return folder_.Path() + "/Orvo_4.ini"; }
  // The program before goes first: its closing writes the file.
  void WriteIni(const std::string& bytes) {
    session_.reset();
    std::ofstream(IniPath(), std::ios::binary | std::ios::trunc) << bytes;
  }
  std::string ReadIni() const {
    std::ifstream in(IniPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // A program whose own code page is `code_page` (none: the settings file's, else the locale's).
  Session& Start(std::optional<emu::CodePage> code_page) {
    session_.reset();
    SessionOptions options;
    options.code_page = code_page;
    session_ = std::make_unique<Session>(folder_.Path(), ustring(), options);
    EXPECT_TRUE(session_->Start());
    return *session_;
  }

  test_support::TempFolder folder_;
  std::unique_ptr<Session> session_;
};

TEST_F(SettingsCodePage, EachProgramReadsAndKeepsAFileTheOtherWrote) {
  for (const Written& written : kWritten) {
    for (const emu::CodePage own : {emu::CodePage::kCp932, emu::CodePage::kUtf8}) {
      SCOPED_TRACE(std::string(written.name) + " read by a program in " + emu::CharsetName(own));
      WriteIni(Bytes(FileText(kFont, kRecent), written));
      Session& s = Start(own);
      EXPECT_EQ(s.program.SavedSettings.FontName, kFont);
      EXPECT_EQ(s.program.SavedSettings.FontSize, 20);
      EXPECT_EQ(s.program.recent.History()[3], kRecent);
      EXPECT_TRUE(s.host.Messages().empty());

      SettingsRecord chosen = s.program.SavedSettings;
      chosen.FontName = u"游ゴシック";
      ASSERT_TRUE(s.program.settings_file.SaveSettings(chosen));
      EXPECT_EQ(ReadIni(), Bytes(FileText(u"游ゴシック", kRecent), written));
      ASSERT_TRUE(s.program.settings_file.SaveRecentFiles({kOtherRecent, u"", u"", u""}, chosen));
      EXPECT_EQ(ReadIni(), Bytes(FileText(u"游ゴシック", kOtherRecent), written));
      EXPECT_TRUE(s.program.messages.History().empty());
    }
  }
}

TEST_F(SettingsCodePage, AFileOfAsciiAloneTakesTheSystemCodePage) {
  WriteIni("[SETTING]\nFN=Mono\n");
  Session& s = Start(emu::CodePage::kUtf8);
  SettingsRecord chosen = s.program.SavedSettings;
  chosen.FontName = kFont;
  ASSERT_TRUE(s.program.settings_file.SaveSettings(chosen));
  EXPECT_EQ(ReadIni(), "[SETTING]\nFN=" + ToUtf8(kFont) + "\nBC=16777215\nFC=0\nFS=14\n");
  // Read by the Windows program, it is the same font.
  Session& other = Start(emu::CodePage::kCp932);
  EXPECT_EQ(other.program.SavedSettings.FontName, kFont);
}

TEST_F(SettingsCodePage, ARecentFileIsKeptWhenTheFilesCodePageHoldsIt) {
  const ustring beyond_shift_jis = u"😀.txt\\/home/u/😀.txt";
  // A UTF-8 file holds it even for a program whose own code page does not.
  WriteIni(Bytes(FileText(kFont, kRecent), kWritten[1]));
  Session& s = Start(emu::CodePage::kCp932);
  ASSERT_TRUE(s.program.settings_file.SaveRecentFiles({beyond_shift_jis, u"", u"", u""},
                                                      s.program.SavedSettings));
  EXPECT_EQ(ReadIni(), Bytes(FileText(kFont, beyond_shift_jis), kWritten[1]));
  // A Shift-JIS file cannot: the slot is written empty rather than as another path.
  WriteIni(Bytes(FileText(kFont, kRecent), kWritten[0]));
  Session& utf8 = Start(emu::CodePage::kUtf8);
  ASSERT_TRUE(utf8.program.settings_file.SaveRecentFiles({beyond_shift_jis, u"", u"", u""},
                                                         utf8.program.SavedSettings));
  EXPECT_EQ(ReadIni(), Bytes(FileText(kFont, u""), kWritten[0]));
}

TEST_F(SettingsCodePage, LinesInNoCodePageAreKeptByteForByte) {
  // A stray byte no code page reads, in a line of the person's.
  const std::string odd = "; \xFF\xFE broken\r\n";
  WriteIni("[SETTING]\r\n" + odd + "FS=12\r\n");
  Session& s = Start(emu::CodePage::kUtf8);
  EXPECT_EQ(s.program.SavedSettings.FontSize, 12);
  SettingsRecord chosen = s.program.SavedSettings;
  chosen.FontName = kFont;
  ASSERT_TRUE(s.program.settings_file.SaveSettings(chosen));
  EXPECT_EQ(ReadIni(),
            "[SETTING]\r\n" + odd + "FS=12\r\nBC=16777215\r\nFC=0\r\nFN=" + ToUtf8(kFont) + "\r\n");
}

TEST_F(SettingsCodePage, TheCodePageChoiceIsReadFromAFileWithAByteOrderMark) {
  WriteIni("\xEF\xBB\xBF[SETTING]\r\nCodePage=UTF-8\r\nFN=" + ToUtf8(kFont) + "\r\n");
  Session& s = Start(std::nullopt);
  EXPECT_EQ(s.code_page.Name(), "UTF-8");
  EXPECT_EQ(s.program.SavedSettings.FontName, kFont);
}

}  // namespace
}  // namespace orvo::settings
