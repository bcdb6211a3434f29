// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file of a whole program in a temporary folder: the first
// start, loading, bad content, unreadable files, and writes that fail at each
// step of the file layer without losing the old file.
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <system_error>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "frontends/headless/session.h"
#include "frontends/headless/state_dump.h"
#include "settings/ini_file.h"
#include "settings/settings_values.h"
#include "support/system_failures.h"
#include "support/temp_folder.h"

namespace orvo::settings {

void PrintTo(const SettingsRecord& r, std::ostream* os) {
  *os << '{' << r.BackColor << ", " << r.ForeColor << ", " << ToUtf8(r.FontName) << ", " << r.FontSize
      << '}';
}

namespace {

using headless::Session;
using native::FileStep;
using namespace test_support;

const std::string kDefaultFile =
    "[SETTING]\nBC=16777215\nFC=0\nFS=14\nFN=FixedSys\n\n[MRU]\n1=\n2=\n3=\n4=\n";
const ustring kCannotGoOn = u"ソフトを終了します！\u3000\u3000\u3000\u3000";
const ustring kSameAsSaved = u"現在の設定は保存値と同じです！\u3000\u3000\u3000\u3000";

// The tag and the number, a space, the system's description, then the file.
ustring Described(const char* tag, const FileError& failure, const std::string& path) {
  ustring text = FromUtf8(tag);
  text += FromUtf8(std::to_string(failure.number) + " ") + failure.description;
  text += u"\r\n\r\nファイル：" + FromUtf8(path);
  return text;
}
ustring Described(const char* tag, int number, const std::string& path) {
  return Described(tag, native::SystemFailure(number), path);
}

SettingsRecord Record(std::int32_t back, std::int32_t fore, ustring font, std::int32_t size) {
  SettingsRecord r;
  r.BackColor = back;
  r.ForeColor = fore;
  r.FontName = std::move(font);
  r.FontSize = size;
  return r;
}

class SettingsFileTest : public ::testing::Test {
 public:
  SettingsFileTest() : session_(std::make_unique<Session>(folder_.Path())) {}

  std::string IniPath() const { return folder_.Path() + "/Orvo_4.ini"; }
  void WriteIni(const std::string& bytes) const {
    std::ofstream(IniPath(), std::ios::binary | std::ios::trunc) << bytes;
  }
  std::string ReadIni() const {
    std::ifstream in(IniPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // In the system code page, as the program writes it.
  std::string Encoded(const ustring& text) { return S().code_page.Encode(text, nullptr); }
  // What the program folder holds besides the single-instance lock.
  std::vector<std::string> FolderNames() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder_.Path())) {
      if (e.path().filename() != ".orvo.lock") names.push_back(e.path().filename().string());
    }
    return names;
  }

  Session& S() { return *session_; }
  Program& P() { return session_->program; }
  SettingsFile& File() { return session_->program.settings_file; }

  std::vector<ustring> BoxTexts() {
    std::vector<ustring> texts;
    for (const auto& m : P().messages.History()) texts.push_back(m.text);
    return texts;
  }
  std::vector<headless::StandardMessageRecord> Standard() { return S().host.Messages(); }

  void FailAt(FileStep failing, int number) {
    S().files.SetFaultHook([failing, number](FileStep step) { return step == failing ? number : 0; });
  }

  test_support::TempFolder folder_;
  std::unique_ptr<Session> session_;
};

TEST_F(SettingsFileTest, FirstStartMakesTheDefaultFile) {
  ASSERT_TRUE(S().Start());
  EXPECT_EQ(ReadIni(), kDefaultFile);
  EXPECT_EQ(P().SavedSettings, SettingsRecord{});
  EXPECT_EQ(P().CurrentSettings, SettingsRecord{});
  EXPECT_EQ(P().recent.History(), RecentSlots{});
  EXPECT_TRUE(Standard().empty());
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(SettingsFileTest, LoadsWhatTheFileHoldsAndTheWindowShowsIt) {
  std::string path = "/home/u";
  while (path.size() < 400) path += "/長いフォルダー名";
  const ustring long_entry = u"メモ.txt\\" + FromUtf8(path) + u"/メモ.txt";
  const std::string file = "[setting]\r\nbc = 255\r\nFc=65280\r\nfs=20\r\nFN=  " + Encoded(u"ＭＳ ゴシック") +
                           "  \r\n[MRU]\r\n1=" + Encoded(long_entry) + "\r\n2=b.txt\\/b.txt\r\n3=\r\n4=d.txt\\/d.txt\r\n";
  WriteIni(file);
  ASSERT_TRUE(S().Start());
  const SettingsRecord loaded = Record(255, 65280, u"ＭＳ ゴシック", 20);
  EXPECT_EQ(P().SavedSettings, loaded);
  EXPECT_EQ(P().CurrentSettings, loaded);
  for (int i = 0; i < 2; ++i) {
    const forms::TextBoxControl& box = S().Main().TextBoxAt(i);
    EXPECT_EQ(box.BackColor(), 255u);
    EXPECT_EQ(box.ForeColor(), 65280u);
    EXPECT_EQ(box.Font(), (FontSpec{u"ＭＳ ゴシック", 20, false}));
  }
  // Key 1 in slot 4 down to key 4 in slot 1; read whole, however long.
  const RecentSlots history = {u"d.txt\\/d.txt", u"", u"b.txt\\/b.txt", long_entry, u"", u"", u"", u""};
  EXPECT_EQ(P().recent.History(), history);
  EXPECT_EQ(ReadIni(), file);  // reading writes nothing
  const nlohmann::json state = headless::DumpState(S());
  EXPECT_EQ(state["settings"]["saved"]["FontName"], "ＭＳ ゴシック");
  EXPECT_EQ(state["settings"]["current"]["BackColor"], 255);
}

TEST_F(SettingsFileTest, APartialFileGivesDefaultsAndStaysAsItIs) {
  WriteIni("[SETTING]\nFS=9\n");
  ASSERT_TRUE(S().Start());
  EXPECT_EQ(P().SavedSettings, Record(16777215, 0, u"FixedSys", 9));
  EXPECT_EQ(ReadIni(), "[SETTING]\nFS=9\n");
}

TEST_F(SettingsFileTest, RevertingComparesWithTheLoadedSettings) {
  WriteIni("[SETTING]\nBC=255\nFC=0\nFS=14\nFN=FixedSys\n");
  ASSERT_TRUE(S().Start());
  P().CurrentSettings.BackColor = 0xFFFFFF;
  P().text.ResetAppearance();
  EXPECT_EQ(P().CurrentSettings.BackColor, 255);
  EXPECT_EQ(S().Main().TextBoxAt(0).BackColor(), 255u);
  EXPECT_TRUE(BoxTexts().empty());
  P().text.ResetAppearance();
  EXPECT_EQ(BoxTexts(), std::vector<ustring>{kSameAsSaved});
}

TEST_F(SettingsFileTest, BadContentGivesTheDefaultsForTheBadValues) {
  const SettingsRecord defaults;
  struct Case {
    const char* what;
    std::string file;
    SettingsRecord expected;
  };
  std::string huge = "[SETTING]\nFS=9\n";
  huge.resize(kMaxIniBytes + 1, 'x');
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131 + 7) % 256);
  static constexpr char kNulName[] = "[SETTING]\nFN=Mono\0Sans\nFS=9\n";
  const Case cases[] = {
      {"negative size and colour", "[SETTING]\nBC=-1\nFC=-5\nFS=-14\n", defaults},
      {"colour above 0xFFFFFF", "[SETTING]\nBC=16777216\nFC=16777215\n", Record(16777215, 16777215, u"FixedSys", 14)},
      {"numbers with junk after them", "[SETTING]\nBC=255 red\nFS=20pt\nFC=x1\n", Record(255, 0, u"FixedSys", 20)},
      {"numbers past 32 bits", "[SETTING]\nBC=99999999999\nFS=4294967310\n", defaults},
      {"a size no one can read", "[SETTING]\nFS=0\n", defaults},
      {"a size past the largest", "[SETTING]\nFS=145\n", defaults},
      {"control characters in the font name", std::string("[SETTING]\nFN=Fixed\x01Sys\x1b[2J\n"), defaults},
      {"a NUL in the font name", std::string(kNulName, sizeof kNulName - 1), Record(16777215, 0, u"FixedSys", 9)},
      {"bytes the code page cannot decode", "[SETTING]\nFN=\x82\xff\xfe\n", defaults},
      {"an empty font name", "[SETTING]\nFN=\nFS=10\n", Record(16777215, 0, u"FixedSys", 10)},
      {"a font name of 65 characters", "[SETTING]\nFN=" + std::string(65, 'A') + "\n", defaults},
      {"truncated mid-line", "[SETTING]\nBC=12\nFC=3\nF", Record(12, 3, u"FixedSys", 14)},
      {"truncated in the section name", "[SETT", defaults},
      {"binary", binary, defaults},
      {"huge: not read at all", huge, defaults},
      {"empty", "", defaults},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    session_.reset();  // its single-instance lock goes with it
    session_ = std::make_unique<Session>(folder_.Path());
    WriteIni(c.file);
    ASSERT_TRUE(S().Start());
    EXPECT_EQ(P().SavedSettings, c.expected);
    for (const ustring& entry : P().recent.History()) EXPECT_TRUE(IsRecentEntry(entry));
    EXPECT_TRUE(Standard().empty());
    EXPECT_EQ(ReadIni(), c.file);
  }
}

TEST_F(SettingsFileTest, RecentEntriesThatCannotBePathsAreEmptySlots) {
  WriteIni("[MRU]\n1=a.txt\\/a\x01.txt\n2=b.txt\\/b\x82\xff.txt\n3=c.txt\\/c.txt\n");
  ASSERT_TRUE(S().Start());
  EXPECT_EQ(P().recent.History(), (RecentSlots{u"", u"c.txt\\/c.txt", u"", u"", u"", u"", u"", u""}));
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadEndsTheStart) {
  struct Case {
    const char* what;
    std::function<void(SettingsFileTest&)> prepare;
    FileError failure;
  };
  const Case cases[] = {
      {"a folder of that name",
       [](SettingsFileTest& t) {
         std::filesystem::remove(t.IniPath());
         std::filesystem::create_directory(t.IniPath());
       },
       native::FolderFailure()},
      {"no permission to open it", [](SettingsFileTest& t) { t.FailAt(FileStep::kOpen, kNoPermission); },
       native::SystemFailure(kNoPermission)},
      {"an I/O error while reading", [](SettingsFileTest& t) { t.FailAt(FileStep::kRead, kIoError); },
       native::SystemFailure(kIoError)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(IniPath());
    session_.reset();
    session_ = std::make_unique<Session>(folder_.Path());
    WriteIni(kDefaultFile);
    c.prepare(*this);
    EXPECT_FALSE(S().Start());
    EXPECT_TRUE(S().host.Ended());
    EXPECT_FALSE(P().HasMainWindow());
    const auto shown = Standard();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, Described("ERR!_ReadINI-", c.failure, IniPath()));
    EXPECT_EQ(shown[0].icon, 16);
    EXPECT_EQ(shown[0].title, u" Orvo");
    EXPECT_EQ(shown[1].text, kCannotGoOn);
    EXPECT_EQ(shown[1].icon, 16);
  }
}

TEST_F(SettingsFileTest, AFileWithoutReadPermissionEndsTheStart) {
  if (AllPowerfulUser()) GTEST_SKIP() << "root reads every file";
#if defined(_WIN32)
  GTEST_SKIP() << "Windows has no permission bits: the read-only attribute stops writing only";
#endif
  WriteIni(kDefaultFile);
  std::filesystem::permissions(IniPath(), std::filesystem::perms::none);
  EXPECT_FALSE(S().Start());
  ASSERT_FALSE(Standard().empty());
  EXPECT_EQ(Standard()[0].text, Described("ERR!_ReadINI-", kNoPermission, IniPath()));
}

TEST_F(SettingsFileTest, AFolderThatCannotBeWrittenStillStartsWithTheDefaults) {
  FailAt(FileStep::kCreate, kDiskFull);
  ASSERT_TRUE(S().Start());
  EXPECT_EQ(P().SavedSettings, SettingsRecord{});
  const auto shown = Standard();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, native::SystemFailure(kDiskFull).description);
  EXPECT_EQ(shown[0].icon, 48);
  EXPECT_TRUE(FolderNames().empty());
}

TEST_F(SettingsFileTest, SavingWritesTheFourKeysAndKeepsTheRest) {
  WriteIni("; mine\r\n[SETTING]\r\nfn=Old\r\nextra=1\r\n\r\n[MRU]\r\n1=a.txt\\/a.txt\r\n");
  ASSERT_TRUE(S().Start());
  const SettingsRecord chosen = Record(1, 2, u"ＭＳ 明朝", 24);
  EXPECT_TRUE(File().SaveSettings(chosen));
  const std::string once = ReadIni();
  EXPECT_EQ(once, "; mine\r\n[SETTING]\r\nfn=" + Encoded(u"ＭＳ 明朝") +
                      "\r\nextra=1\r\nBC=1\r\nFC=2\r\nFS=24\r\n\r\n[MRU]\r\n1=a.txt\\/a.txt\r\n");
  EXPECT_TRUE(File().SaveSettings(chosen));
  EXPECT_EQ(ReadIni(), once);
  SettingsRecord back;
  RecentSlots history;
  EXPECT_TRUE(File().LoadSettings(back, history));
  EXPECT_EQ(back, chosen);
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(SettingsFileTest, SavingTheRecentFiles) {
  ASSERT_TRUE(S().Start());
  P().SavedSettings = Record(1, 2, u"Mono", 9);
  const RecentList shown = {u"新.txt\\/home/u/新.txt", u"b.txt\\/b.txt", u"", u"d.txt\\/d.txt"};
  EXPECT_TRUE(File().SaveRecentFiles(shown, P().SavedSettings));
  EXPECT_EQ(P().SavedSettings, Record(1, 2, u"Mono", 9));  // the file was there: nothing reset
  EXPECT_EQ(ReadIni(), "[SETTING]\nBC=16777215\nFC=0\nFS=14\nFN=FixedSys\n\n[MRU]\n1=" +
                           Encoded(u"新.txt\\/home/u/新.txt") + "\n2=b.txt\\/b.txt\n3=\n4=d.txt\\/d.txt\n");

  // Deleted while the program ran: the defaults come back first, in the file and in memory.
  std::filesystem::remove(IniPath());
  EXPECT_TRUE(File().SaveRecentFiles(shown, P().SavedSettings));
  EXPECT_EQ(P().SavedSettings, SettingsRecord{});
  SettingsRecord back;
  RecentSlots history;
  ASSERT_TRUE(File().LoadSettings(back, history));
  EXPECT_EQ(history[3], shown[0]);
  EXPECT_EQ(history[0], shown[3]);

  // An entry the code page cannot hold, or one with a line break, would come
  // back as another path: its slot is written empty.
  const RecentList odd = {u"😀.txt\\/😀.txt", u"a\nb.txt\\/a\nb.txt", u"c.txt\\/c.txt", u""};
  EXPECT_TRUE(File().SaveRecentFiles(odd, P().SavedSettings));
  ASSERT_TRUE(File().LoadSettings(back, history));
  EXPECT_EQ(history, (RecentSlots{u"", u"c.txt\\/c.txt", u"", u"", u"", u"", u"", u""}));
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(SettingsFileTest, AFailedWriteKeepsTheOldFileAndSaysSo) {
  const std::string old = "[SETTING]\r\nBC=255\r\n; kept\r\n[MRU]\r\n1=a.txt\\/a.txt\r\n";
  WriteIni(old);
  ASSERT_TRUE(S().Start());
  struct Step {
    FileStep step;
    int number;
  };
  const Step steps[] = {{FileStep::kOpen, kNoPermission}, {FileStep::kRead, kIoError},
                        {FileStep::kCreate, kWriteProtected}, {FileStep::kWrite, kDiskFull},
                        {FileStep::kFlush, kIoError}, {FileStep::kRename, kOtherDevice}};
  const RecentList shown = {u"b.txt\\/b.txt", u"", u"", u""};
  for (const Step& s : steps) {
    SCOPED_TRACE(static_cast<int>(s.step));
    FailAt(s.step, s.number);
    const std::size_t before = P().messages.History().size();
    EXPECT_FALSE(File().SaveSettings(Record(1, 2, u"Mono", 9)));
    EXPECT_FALSE(File().SaveRecentFiles(shown, P().SavedSettings));
    S().files.SetFaultHook(nullptr);
    EXPECT_EQ(ReadIni(), old);
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"Orvo_4.ini"});
    const auto& history = P().messages.History();
    ASSERT_EQ(history.size(), before + 2);
    EXPECT_EQ(history[before].text, Described("ERR!_SaveData-", s.number, IniPath()));
    EXPECT_EQ(history[before].flags, 16);
    EXPECT_EQ(history[before + 1].text, Described("ERR!_SaveMRU-", s.number, IniPath()));
    EXPECT_EQ(history[before + 1].flags, 16);
  }
  EXPECT_EQ(P().SavedSettings, Record(255, 0, u"FixedSys", 14));
}

TEST_F(SettingsFileTest, WritesThatWouldLoseWhatTheFileHoldsAreRefused) {
  ASSERT_TRUE(S().Start());
  // Too large to read, so too large to rewrite without dropping its lines.
  std::string huge = kDefaultFile;
  huge.resize(kMaxIniBytes + 10, ';');
  WriteIni(huge);
  EXPECT_FALSE(File().SaveSettings(Record(1, 2, u"Mono", 9)));
  EXPECT_EQ(ReadIni(), huge);
  // A font name the code page cannot hold would come back as another name.
  WriteIni(kDefaultFile);
  EXPECT_FALSE(File().SaveSettings(Record(1, 2, u"나눔고딕", 9)));
  EXPECT_EQ(ReadIni(), kDefaultFile);
  const auto texts = BoxTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], Described("ERR!_SaveData-", native::TooLongFailure(), IniPath()));
  // 84 on Linux: the C library's number for a character the code page lacks.
  const std::string illegal = std::to_string(static_cast<int>(std::errc::illegal_byte_sequence));
  EXPECT_EQ(texts[1], u"ERR!_SaveData-" + FromUtf8(illegal) + u" 設定値に保存できない文字があります\r\n\r\nファイル：" +
                          FromUtf8(IniPath()));
}

TEST_F(SettingsFileTest, AReadOnlyFileIsNotReplaced) {
  if (AllPowerfulUser()) GTEST_SKIP() << "root may write every file";
  ASSERT_TRUE(S().Start());
  std::filesystem::permissions(IniPath(), std::filesystem::perms::owner_read);
  EXPECT_FALSE(File().SaveSettings(Record(1, 2, u"Mono", 9)));
  EXPECT_EQ(ReadIni(), kDefaultFile);
  EXPECT_EQ(BoxTexts(), std::vector<ustring>{Described("ERR!_SaveData-", native::ReadOnlyFailure(), IniPath())});
}

}  // namespace
}  // namespace orvo::settings
