// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog inside the running program: what is saved comes back
// at the next start, a refused write changes nothing, cancelling keeps the
// editor's look, and the rules of the two lists.
#include "settings/settings_window.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "frontends/headless/session.h"
#include "settings/settings_choices.h"
#include "support/system_failures.h"
#include "support/temp_folder.h"

namespace orvo::settings {
namespace {

using headless::Session;

class SettingsWindowTest : public ::testing::Test {
 public:
  void SetUp() override { Restart(); }

  void Restart() {
    session_.reset();
    session_ = std::make_unique<Session>(folder_.Path());
    ASSERT_TRUE(session_->Start());
  }
  Session& S() { return *session_; }
  Program& P() { return session_->program; }
  void Script(std::string_view text) {
    const script::ParsedScript parsed = script::ParseScript(text);
    ASSERT_TRUE(parsed.errors.empty()) << parsed.errors.front().message;
    session_->Run(parsed.steps);
    ASSERT_FALSE(session_->Failed().has_value())
        << "line " << session_->Failed()->line << ": " << session_->Failed()->message;
  }
  std::string Ini() {
    std::ifstream in(folder_.Path() + "/Orvo_4.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  test_support::TempFolder folder_;
  std::unique_ptr<Session> session_;
};

TEST_F(SettingsWindowTest, WhatWasSavedIsInTheFileAndComesBackAtTheNextStart) {
  Script(
      "menu mnuSETTING\n"
      "tap Tab\ntap M\n"            // ＭＳ ゴシック
      "tap Tab\ntap Down\n"         // 16
      "tap Tab\ntap Tab\ntap Tab\n"  // the second swatch of the top row: blue
      "tap Space\n"
      "tap F4\n"
      "expect message 現在の設定を INIファイルに保存しました。\\u3000\\u3000\\u3000\\u3000\n"
      "tap Enter\n"
      "tap F5\n"
      "expect modal off\n");
  const std::string ini = Ini();
  EXPECT_NE(ini.find("BC=16777215"), std::string::npos) << ini;
  EXPECT_NE(ini.find("FC=16711680"), std::string::npos) << ini;  // blue: 255 × 65536
  EXPECT_NE(ini.find("FS=16"), std::string::npos) << ini;
  Restart();
  const SettingsRecord& saved = P().SavedSettings;
  EXPECT_EQ(saved.FontName, u"ＭＳ ゴシック");
  EXPECT_EQ(saved.FontSize, 16);
  EXPECT_EQ(saved.ForeColor, 0xFF0000);
  EXPECT_EQ(S().Main().TextBoxAt(0).Font().name, u"ＭＳ ゴシック");
  EXPECT_EQ(S().Main().TextBoxAt(0).ForeColor(), 0xFF0000u);
  // Opened again, the saved panel shows them and nothing is to be reverted.
  Script(
      "menu mnuSETTING\n"
      "expect caption frmSETING.lblDATA[0] ＭＳ ゴシック\n"
      "expect caption frmSETING.lblDATA[1] 16\n"
      "expect caption frmSETING.lblCOLfb[0] RGB= 0, 0, 255\n"
      "expect caption frmSETING.lblCOLfb[1] RGB= 255, 255, 255\n"
      "expect look frmSETING.lblDATA[2] back 0,0,255 fore 0,0,0 font - 9\n"
      "expect enabled frmSETING.cmdRESET off\n"
      "expect enabled frmSETING.cmdINIT on\n"
      "tap F5\n");
}

// A write the disk refuses is told, and neither the saved nor the current
// look changes: the saved-settings message never appears.
TEST_F(SettingsWindowTest, ARefusedWriteKeepsTheSavedAndCurrentSettings) {
  const std::string before = Ini();
  S().files.SetFaultHook([](native::FileStep step) { return step == native::FileStep::kWrite ? test_support::kDiskFull : 0; });
  Script(
      "menu mnuSETTING\n"
      "tap Tab\ntap Down\n"
      "tap F4\n"
      "tap Enter\n"
      "expect caption frmSETING.cmdOK 適用 (Ｆ５)\n"
      "expect enabled frmSETING.cmdSAVE on\n"
      "expect caption frmSETING.lblDATA[0] FixedSys\n");
  S().files.SetFaultHook(nullptr);
  ASSERT_FALSE(P().messages.History().empty());
  const ustring told = P().messages.History().back().text;
  EXPECT_EQ(told.find(u"ERR!_SaveData-"), 0u) << ToUtf8(told);
  EXPECT_EQ(P().SavedSettings, SettingsRecord{});
  EXPECT_EQ(P().CurrentSettings, SettingsRecord{});
  EXPECT_EQ(Ini(), before);
  Script("tap Esc\ntap Enter\nexpect modal off\n");
  EXPECT_EQ(S().Main().TextBoxAt(0).Font().name, u"FixedSys");
}

TEST_F(SettingsWindowTest, ACancelledColourDialogKeepsTheSwatch) {
  Script(
      "menu mnuSETTING\n"
      "tap Tab\ntap Tab\ntap Tab\ntap Tab\n"  // the first swatch
      "expect focus frmSETING.lblCOLOR[0]\n"
      "tap Enter\n"
      "colour cancel\n"
      "expect look frmSETING.lblCOLOR[0] back 0,0,0 fore 0,0,0 font - 9\n"
      "expect caption frmSETING.cmdOK 閉じる (Ｆ５)\n"  // black text was already the choice
      "tap F5\n");
  EXPECT_FALSE(P().flags.SettingsApplied);
  EXPECT_FALSE(S().Main().Menu("mnuFONT_RESET").Enabled());
}

// A saved font the system lacks and a size no list holds: the dialog opens,
// shows what it can (no entry chosen) and changes nothing until told.
TEST_F(SettingsWindowTest, AFontAndSizeNoListHoldsOpenWithNothingChosen) {
  {
    std::ofstream out(folder_.Path() + "/Orvo_4.ini", std::ios::binary | std::ios::trunc);
    out << "[SETTING]\nBC=99999999\nFC=255\nFS=13\nFN=No Such Face\n";
  }
  Restart();
  EXPECT_EQ(P().SavedSettings.BackColor, 16777215);  // out of range: the default
  Script(
      "menu mnuSETTING\n"
      "expect box frmSETING.txtFONT\n"
      "expect list frmSETING.lstFONT - of 8\n"
      "expect box frmSETING.txtSIZE\n"
      "expect list frmSETING.lstSIZE - of 16\n"
      "expect look frmSETING.lblSAMPLE back 255,255,255 fore 255,0,0 font No Such Face 13\n"
      "expect caption frmSETING.cmdOK 閉じる ( F5 )\n"
      "tap F5\n"
      "expect modal off\n");
  EXPECT_EQ(P().CurrentSettings.FontName, u"No Such Face");
  EXPECT_EQ(S().Main().TextBoxAt(0).Font().points, 13);
}

TEST_F(SettingsWindowTest, TheCheckAcceptsOnlyItsTwoCodes) {
  SettingsWindow dialog(P().context, P().SettingsPortsOf());
  ASSERT_TRUE(P().forms.Load(dialog));
  dialog.CHECK_DATA(1);
  EXPECT_FALSE(dialog.Changed());
  const std::size_t before = P().messages.History().size();
  Script("tap Enter\n");  // answers the box the next call shows
  dialog.CHECK_DATA(2);
  ASSERT_EQ(P().messages.History().size(), before + 1);
  EXPECT_EQ(P().messages.History().back().text, u"???");
  P().forms.Unload(dialog);
}

TEST(SettingsChoices, OnlyTheFourExactNamesAreFixedSize) {
  for (const char16_t* name : {u"System", u"Terminal", u"FixedSys", u"Smoll Fonts"}) EXPECT_TRUE(IsFixedSizeFont(name));
  for (const char16_t* name : {u"system", u"Terminal ", u"FixedSys Excelsior", u"Small Fonts", u""})
    EXPECT_FALSE(IsFixedSizeFont(name)) << ToUtf8(name);
}

}  // namespace
}  // namespace orvo::settings
