// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "frontends/headless/headless_host.h"
#include "frontends/headless/headless_screen.h"
#include "frontends/headless/session.h"
#include "platform/keys.h"
#include "support/fake_synth_host.h"
#include "support/key_strokes.h"
#include "support/temp_folder.h"

namespace orvo {
namespace {

using headless::Session;
using headless::StandardMessageRecord;
using test_support::TempFolder;

// The texts as the user reads them.
const ustring kTitle = u" Orvo";
const ustring kRestart = u"\r\n\r\nパソコンを再起動してください！\u3000\u3000\u3000\u3000";
const ustring kRepaired = u"システムを修正しました！\u3000\u3000\u3000\u3000";
const ustring kRepairFailed = u"システムを修正できません！\u3000終了します。\u3000" + kRestart;
const ustring kOneSided = u"システムを修正できません！\u3000(片押し状態)\u3000" + kRestart;
const ustring kSecondInstance = u"「 Ｏｒｖｏ 」 は 複数 起動できません！\u3000\u3000\u3000";
const ustring kColours256 = u"ディスプレイが２５６色では起動できません！\u3000\u3000\u3000\u3000";
const ustring kTooSmall = u"画面サイズ 640×480 未満 では起動できません！\u3000\u3000\u3000";
const ustring kCannotGoOn = u"ソフトを終了します！\u3000\u3000\u3000\u3000";

constexpr int kStop = 16;
constexpr int kExclamation = 48;

// One standard message box as the host recorded it.
struct Shown {
  ustring text;
  int icon;
  ustring title;
  bool operator==(const Shown&) const = default;
};
void PrintTo(const Shown& m, std::ostream* os) {
  *os << '{' << ToUtf8(m.text) << ", " << m.icon << ", \"" << ToUtf8(m.title) << "\"}";
}
using ShownList = std::vector<Shown>;

ShownList ShownBy(const headless::HeadlessHost& host) {
  ShownList shown;
  for (const StandardMessageRecord& m : host.Messages()) shown.push_back({m.text, m.icon, m.title});
  return shown;
}

using Prepare = std::function<void(Session&)>;

void HoldCtrl(Session& s) { s.desktop.Keys().SetDown(vk::kControl, true); }
void HoldAlt(Session& s) { s.desktop.Keys().SetDown(vk::kMenu, true); }
void Screen(Session& s, int width, int height) {
  s.screen.width_px = width;
  s.screen.height_px = height;
}

TEST(Startup, Refusals) {
  struct Case {
    const char* name;
    Prepare prepare;
    ustring text;
  };
  // clang-format off
  const Case cases[] = {
      {"ctrl alone", HoldCtrl, kOneSided},
      {"alt alone", HoldAlt, kOneSided},
      {"both held, repair failing",
       [](Session& s) { HoldCtrl(s); HoldAlt(s); s.desktop.FailNextSends(2); }, kRepairFailed},
      {"one key send refused",
       [](Session& s) { HoldCtrl(s); HoldAlt(s); s.desktop.FailNextSends(1); },
       kRepairFailed},
      {"second instance", [](Session& s) { s.host.SetOtherInstanceRunning(true); },
       kSecondInstance},
      {"256 colours", [](Session& s) { s.screen.bits_per_pixel = 8; }, kColours256},
      {"800x400", [](Session& s) { Screen(s, 800, 400); }, kTooSmall},
      {"600x800", [](Session& s) { Screen(s, 600, 800); }, kTooSmall},
      {"639x480", [](Session& s) { Screen(s, 639, 480); }, kTooSmall},
      {"640x479", [](Session& s) { Screen(s, 640, 479); }, kTooSmall},
      {"600x400 at scale 1.5", [](Session& s) { s.screen.device_pixel_ratio = 1.5; Screen(s, 400, 266); }, kTooSmall},
      {"639x480 at 120 dpi",
       [](Session& s) { s.screen.tpp_x = s.screen.tpp_y = 12; Screen(s, 639, 480); }, kTooSmall},
      // A screen that reports no resolution cannot be measured.
      {"no twips per pixel", [](Session& s) { s.screen.tpp_x = 0.2; }, kTooSmall},
      // The first check that fails is the only one told.
      {"ctrl alone and another copy",
       [](Session& s) { HoldCtrl(s); s.host.SetOtherInstanceRunning(true); }, kOneSided},
      {"another copy on a 256-colour display",
       [](Session& s) { s.host.SetOtherInstanceRunning(true); s.screen.bits_per_pixel = 8; },
       kSecondInstance},
      {"256 colours on a small screen",
       [](Session& s) { s.screen.bits_per_pixel = 8; Screen(s, 320, 200); }, kColours256},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    Session s(folder.Path());
    c.prepare(s);
    EXPECT_FALSE(s.Start());
    EXPECT_EQ(ShownBy(s.host), (ShownList{{c.text, kStop, kTitle}}));
    EXPECT_TRUE(s.host.Ended());
    EXPECT_FALSE(s.program.HasMainWindow());
    EXPECT_EQ(s.desktop.ActiveWindow(), nullptr);
  }
}

TEST(Startup, OneSidedModifierIsNotRepaired) {
  for (const Prepare& hold : {Prepare(HoldCtrl), Prepare(HoldAlt)}) {
    TempFolder folder;
    Session s(folder.Path());
    hold(s);
    EXPECT_FALSE(s.Start());
    EXPECT_TRUE(s.desktop.SyntheticLog().empty());
  }
}

TEST(Startup, Accepted) {
  struct Case {
    const char* name;
    Prepare prepare;
    ShownList shown;
  };
  // clang-format off
  const Case cases[] = {
      {"defaults", [](Session&) {}, {}},
      {"16 colours", [](Session& s) { s.screen.bits_per_pixel = 4; }, {}},
      {"high colour", [](Session& s) { s.screen.bits_per_pixel = 16; }, {}},
      {"640x480", [](Session& s) { Screen(s, 640, 480); }, {}},
      // 1280x800 scaled to twice the size reports 640x400: its own pixels count.
      {"1280x800 at scale 2", [](Session& s) { s.screen.device_pixel_ratio = 2; Screen(s, 640, 400); }, {}},
      {"640x480 at 120 dpi",
       [](Session& s) { s.screen.tpp_x = s.screen.tpp_y = 12; Screen(s, 640, 480); },
       {}},
      {"both held, repaired", [](Session& s) { HoldCtrl(s); HoldAlt(s); },
       {{kRepaired, kExclamation, kTitle}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    Session s(folder.Path());
    c.prepare(s);
    EXPECT_TRUE(s.Start());
    EXPECT_EQ(ShownBy(s.host), c.shown);
    EXPECT_FALSE(s.host.Ended());
    EXPECT_TRUE(s.program.Running());
    EXPECT_EQ(s.host.Title(), kTitle);
  }
}

TEST(Startup, RepairReleasesCtrlThenAlt) {
  using namespace test_support;
  TempFolder folder;
  Session s(folder.Path());
  HoldCtrl(s);
  HoldAlt(s);
  ASSERT_TRUE(s.Start());
  const Strokes sent = StrokesOf(s.desktop.SyntheticLog());
  ASSERT_GE(sent.size(), 2u);
  EXPECT_EQ(Strokes(sent.begin(), sent.begin() + 2), (Strokes{kCtrlUp, kAltUp}));
  EXPECT_FALSE(s.desktop.IsDown(vk::kControl));
  EXPECT_FALSE(s.desktop.IsDown(vk::kMenu));
  EXPECT_FALSE(s.program.state.LatchHeld);
}

TEST(Startup, SecondCopyInTheSameFolderIsRefused) {
  TempFolder folder;
  auto first = std::make_unique<Session>(folder.Path());
  ASSERT_TRUE(first->Start());
  {
    Session second(folder.Path());
    EXPECT_FALSE(second.Start());
    EXPECT_EQ(ShownBy(second.host), (ShownList{{kSecondInstance, kStop, kTitle}}));
  }
  EXPECT_TRUE(first->program.Running());
  EXPECT_TRUE(first->host.Messages().empty());
  first.reset();
  Session third(folder.Path());
  EXPECT_TRUE(third.Start());
}

// Start-up with the steps that belong to other windows recorded.
struct RecordingSteps : StartupSteps {
  bool load_result = true;
  std::vector<std::string> calls;
  bool LoadSettings() override {
    calls.push_back("LoadSettings");
    return load_result;
  }
  void QueryWorkArea() override { calls.push_back("QueryWorkArea"); }
  void SetUpRecentFilesMenu() override { calls.push_back("SetUpRecentFilesMenu"); }
  void ShowMainWindow() override { calls.push_back("ShowMainWindow"); }
};

// Main on a session's desktop, with its own values, keystrokes and steps; the
// session's program itself is never started.
struct MainRig {
  explicit MainRig(const std::string& path, const ustring& command_line = {})
      : session(path, command_line) {}
  bool Run() { return Main(session.platform, values, keys, steps); }

  Session session;
  headless::HeadlessScreen& screen = session.screen;
  headless::HeadlessHost& host = session.host;
  braille::InputState state;
  test_support::FakeSynthHost synth_host{session.desktop};
  braille::KeySynth keys{session.desktop, state, synth_host};
  ProgramValues values;
  RecordingSteps steps;
};

TEST(Startup, StepsAfterTheChecksRunInOrder) {
  TempFolder folder;
  MainRig rig(folder.Path());
  EXPECT_TRUE(rig.Run());
  EXPECT_EQ(rig.steps.calls, (std::vector<std::string>{"LoadSettings", "QueryWorkArea",
                                                       "SetUpRecentFilesMenu", "ShowMainWindow"}));
  EXPECT_TRUE(ShownBy(rig.host).empty());
}

TEST(Startup, SettingsThatCannotBeLoadedEndTheProgram) {
  TempFolder folder;
  MainRig rig(folder.Path());
  rig.steps.load_result = false;
  EXPECT_FALSE(rig.Run());
  EXPECT_EQ(rig.steps.calls, std::vector<std::string>{"LoadSettings"});
  EXPECT_EQ(ShownBy(rig.host), (ShownList{{kCannotGoOn, kStop, kTitle}}));
  EXPECT_TRUE(rig.host.Ended());
}

TEST(Startup, RefusalRunsNoLaterStep) {
  TempFolder folder;
  MainRig rig(folder.Path());
  rig.screen.bits_per_pixel = 8;
  EXPECT_FALSE(rig.Run());
  EXPECT_TRUE(rig.steps.calls.empty());
}

TEST(Startup, ScreenMetricsAndFontSizes) {
  using Sizes = std::array<int, 11>;
  struct Case {
    double tpp_x, tpp_y;  // as the screen object reports them
    int width, height;    // pixels
    int want_tpp_x, want_tpp_y;
    Sizes sizes;
  };
  const Sizes nominal = {9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26};
  const Sizes large_fonts = {7, 8, 9, 10, 11, 13, 14, 16, 18, 19, 21};
  // clang-format off
  const Case cases[] = {
      {15, 15, 1024, 768, 15, 15, nominal},      // 96 dpi
      {12, 12, 1280, 1024, 12, 12, large_fonts},  // 120 dpi
      {15.2, 14.8, 1024, 768, 15, 15, nominal},
      {11.8, 12.2, 1024, 768, 12, 12, large_fonts},
      {12, 15, 1280, 720, 12, 15, large_fonts},   // the font sizes follow the horizontal value
      {15, 12, 1280, 720, 15, 12, nominal},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "twips per pixel " << c.tpp_x << " x " << c.tpp_y);
    TempFolder folder;
    MainRig rig(folder.Path());
    rig.screen.tpp_x = c.tpp_x;
    rig.screen.tpp_y = c.tpp_y;
    rig.screen.width_px = c.width;
    rig.screen.height_px = c.height;
    ASSERT_TRUE(rig.Run());
    EXPECT_EQ(rig.values.TwipsPerPixelX, c.want_tpp_x);
    EXPECT_EQ(rig.values.TwipsPerPixelY, c.want_tpp_y);
    // The screen's twips over the rounded twips per pixel.
    EXPECT_NEAR(rig.values.ScreenWidthPx, c.width * c.tpp_x / c.want_tpp_x, 0.5);
    EXPECT_NEAR(rig.values.ScreenHeightPx, c.height * c.tpp_y / c.want_tpp_y, 0.5);
    EXPECT_EQ(rig.values.ScaledFontSize, c.sizes);
    EXPECT_EQ(rig.values.FontSize(18), c.sizes[6]);
    EXPECT_EQ(rig.values.FontSize(13), 13);  // not a size of the table
  }
}

TEST(Startup, ProgramFolderEndsInOneSeparator) {
  TempFolder folder;
  const ustring base = FromUtf8(folder.Path());
  for (const std::string& path : {folder.Path(), folder.Path() + "/"}) {
    SCOPED_TRACE(path);
    MainRig rig(path);
    ASSERT_TRUE(rig.Run());
    EXPECT_EQ(rig.values.AppFolder, base + u"/");
    EXPECT_EQ(rig.values.SettingsPath, base + u"/Orvo_4.ini");
  }
}

TEST(Startup, CommandLineIsKeptAsGiven) {
  struct Case {
    ustring command_line;
    bool open;
  };
  // clang-format off
  const Case cases[] = {
      {u"", false},
      {u"/home/user/メモ.txt", true},
      {u"\"C:\\My Documents\\a.txt\"", true},
      {u" ", true},
      {u"missing.txt", true},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.command_line));
    TempFolder folder;
    MainRig rig(folder.Path(), c.command_line);
    ASSERT_TRUE(rig.Run());
    EXPECT_EQ(rig.values.CommandLine, c.command_line);
    EXPECT_EQ(rig.values.OpenFromCommandLine, c.open);
  }
}

}  // namespace
}  // namespace orvo
