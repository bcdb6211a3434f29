// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog in the window, worked from the keyboard alone: a font
// from the machine's own list, a swatch with Space, and F4, F2, F3 and F5
// with the boxes they show answered.
#include <string>

#include "frontends/script/key_script.h"
#include "frontends/qt/script_feeder.h"
#include "session_fixture.h"

namespace orvo::testing {
namespace {

TEST_F(QtFrontEnd, TheSettingsDialogIsWorkedFromTheKeyboardAlone) {
  const script::ParsedScript parsed = script::ParseScript(
      "menu mnuSETTING\n"
      "expect focus frmSETING.cmdOK\n"
      "tap Tab\n"
      "expect focus frmSETING.lstFONT\n"
      "tap Down\n"  // another font than the current one
      "expect caption frmSETING.cmdOK 適用 (Ｆ５)\n"
      "tap Tab\ntap Tab\ntap Tab\ntap Tab\n"
      "expect focus frmSETING.lblCOLOR[2]\n"
      "tap Space\n"  // blue text
      "tap F4\n"
      "expect message 現在の設定を INIファイルに保存しました。\\u3000\\u3000\\u3000\\u3000\n"
      "tap Enter\n"
      "expect caption frmSETING.cmdOK 閉じる (Ｆ５)\n"
      "tap F2\n"
      "expect message 現在の設定は保存値と同じです！\\u3000\\u3000\\u3000\\u3000\n"
      "tap Enter\n"
      "tap F3\n"
      "expect list frmSETING.lstSIZE 14 of 1\n"
      "expect caption frmSETING.cmdOK 適用 (Ｆ５)\n"
      "tap F5\n"
      "expect modal off\n");
  ASSERT_TRUE(parsed.errors.empty()) << parsed.errors.front().message;
  bool done = false;
  std::string failure;
  qt::ScriptFeeder feeder(S(), parsed.steps, [&done] { done = true; });
  feeder.SetOnFailure([&failure](int line, const std::string& message) { failure = std::to_string(line) + ": " + message; });
  feeder.Start();
  for (int i = 0; i < 5000 && !done; ++i) QCoreApplication::processEvents();
  ASSERT_TRUE(done);
  EXPECT_EQ(failure, "");
  // Saved: blue text in the chosen font; applied at the end: the factory look.
  EXPECT_EQ(S().program.SavedSettings.ForeColor, 0xFF0000);
  EXPECT_NE(S().program.SavedSettings.FontName, u"FixedSys");
  EXPECT_EQ(S().program.CurrentSettings, settings::SettingsRecord{});
  EXPECT_EQ(W().TextBoxAt(0).Font().name, u"FixedSys");
  EXPECT_TRUE(W().Menu("mnuFONT_RESET").Enabled());
}

}  // namespace
}  // namespace orvo::testing
