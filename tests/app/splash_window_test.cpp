// SPDX-License-Identifier: GPL-3.0-or-later
// The splash at start-up and the version window: the main window waits for
// them, the OK button comes after 600 ms of the program's clock and has the
// keyboard, and closing gives the keyboard back to the text.
#include "app/splash_window.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/program_windows.h"
#include "toolkit/window_utils/gradients.h"
#include "braille/braille_menus.h"
#include "frontends/headless/session.h"
#include "platform/keys.h"
#include "platform/native/data_folder.h"
#include "support/temp_folder.h"

namespace orvo {
namespace {

class SplashTest : public ::testing::Test {
 public:
  void StartAtSplash(std::uint32_t button_face = 0xC0C0C0) {
    session_ = std::make_unique<headless::Session>(folder_.Path());
    session_->shell.button_face = button_face;
    ASSERT_TRUE(session_->StartAtSplash());
  }
  headless::Session& S() { return *session_; }
  Program& P() { return session_->program; }
  SplashWindow* Splash() { return static_cast<ProgramWindows&>(*P().windows).Splash(); }

  test_support::TempFolder folder_;
  std::unique_ptr<headless::Session> session_;
};

TEST_F(SplashTest, TheMainWindowWaitsUntilTheSplashIsClosedWithItsButton) {
  StartAtSplash();
  SplashWindow* splash = Splash();
  ASSERT_NE(splash, nullptr);
  EXPECT_TRUE(P().flags.SplashOpen);
  EXPECT_FALSE(P().flags.Started);
  EXPECT_FALSE(S().Main().Enabled());
  EXPECT_EQ(P().forms.ActiveForm(), splash);
  EXPECT_FALSE(splash->cmdCLOSE.Visible());
  // Centred on the screen.
  const Rect r = splash->OuterTwips();
  const int tx = P().values.TwipsPerPixelX;
  EXPECT_EQ(r.width, kSplashWidth * tx);
  EXPECT_EQ(r.left, (P().values.ScreenWidthPx * tx - r.width) / 2);
  // Before 600 ms the button is not there: Enter and a chord's keys do nothing.
  S().Wait(599);
  S().Tap(vk::kReturn);
  S().Tap('F');
  ASSERT_EQ(Splash(), splash);
  EXPECT_FALSE(splash->cmdCLOSE.Visible());
  EXPECT_EQ(S().Text(), u"");
  S().Wait(1);
  EXPECT_TRUE(splash->cmdCLOSE.Visible());
  EXPECT_TRUE(splash->cmdCLOSE.HasFocus());
  S().Tap(vk::kReturn);
  EXPECT_EQ(Splash(), nullptr);
  EXPECT_FALSE(P().flags.SplashOpen);
  EXPECT_TRUE(P().flags.Started);
  EXPECT_TRUE(S().Main().Enabled());
  EXPECT_EQ(P().forms.ActiveForm(), &S().Main());
  EXPECT_EQ(S().Main().cmdIME.Picture(), picture_id::kImeOn);
  S().Tap('A');
  EXPECT_EQ(S().Text(), u"a");  // the Enter that closed it typed nothing
}

TEST_F(SplashTest, TheVersionWindowHasItsButtonAtOnceAndGivesTheTextBack) {
  StartAtSplash();
  S().Wait(600);
  S().Tap(vk::kSpace);  // Space presses the button as well
  ASSERT_EQ(Splash(), nullptr);
  S().Tap('A');
  ASSERT_TRUE(S().Menu("mnuHELP_ABOUT"));
  SplashWindow* version = Splash();
  ASSERT_NE(version, nullptr);
  EXPECT_TRUE(version->cmdCLOSE.Visible());
  EXPECT_TRUE(version->cmdCLOSE.HasFocus());
  EXPECT_FALSE(S().Main().Enabled());
  // Centred over the main window.
  const Rect main = S().Main().OuterTwips();
  const Rect own = version->OuterTwips();
  EXPECT_EQ(own.left, main.left + (main.width - own.width) / 2);
  EXPECT_EQ(own.top, main.top + (main.height - own.height) / 2);
  S().Tap(vk::kReturn);
  EXPECT_EQ(Splash(), nullptr);
  EXPECT_TRUE(S().Main().Enabled());
  EXPECT_TRUE(S().Main().TextBoxAt(0).HasFocus());
  S().Tap('B');
  EXPECT_EQ(S().Text(), u"ab");
}

// The build's one version number, as --version prints it, on the splash and the version window.
TEST_F(SplashTest, BothShowTheBuildsVersion) {
  StartAtSplash();
  const ustring shown = u"バージョン " + FromUtf8(std::string(native::ProgramVersion()));
  EXPECT_EQ(Splash()->lblVER.Caption(), shown);
  S().Wait(600);
  S().Tap(vk::kReturn);
  ASSERT_TRUE(S().Menu("mnuHELP_ABOUT"));
  ASSERT_NE(Splash(), nullptr);
  EXPECT_EQ(Splash()->lblVER.Caption(), shown);
  EXPECT_TRUE(Splash()->lblVER.Visible());
}

TEST_F(SplashTest, TheGradientsFollowTheDesktopsButtonColour) {
  StartAtSplash(0xC8D0D4);
  SplashWindow* splash = Splash();
  ASSERT_NE(splash, nullptr);
  ASSERT_NE(splash->picP.Face(), nullptr);
  EXPECT_EQ(splash->picP.Face()->Pixel(0, 80), SplashGradient(0xC8D0D4)[0]);
  EXPECT_EQ(splash->cmdCLOSE.BackColor(), SplashGradient(0xC8D0D4)[8]);
  MainWindow& w = S().Main();
  EXPECT_EQ(w.BackColor(), 0xC8D0D4u);
  ASSERT_NE(w.cmdIME.Face(), nullptr);
  EXPECT_EQ(w.cmdIME.Face()->Width(), w.cmdIME.Bounds().width);
  for (int y = 0; y < kButtonRows; ++y) EXPECT_EQ(w.cmdIME.Face()->Pixel(5, y), ButtonGradient(0xC8D0D4)[y]);
  EXPECT_EQ(w.cmdTOOL.Face()->Width(), P().values.ScreenWidthPx - w.cmdTOOL.Bounds().left - 8);
}

TEST_F(SplashTest, ABlackButtonColourDrawsNoSplashGradientAndGreyButtons) {
  StartAtSplash(0);
  ASSERT_NE(Splash(), nullptr);
  EXPECT_EQ(Splash()->picP.Face(), nullptr);
  MainWindow& w = S().Main();
  EXPECT_EQ(w.ButtonFace, kFallbackButtonFace);
  ASSERT_NE(w.cmdMEMO.Face(), nullptr);
  EXPECT_EQ(w.cmdMEMO.Face()->Pixel(0, 3), MakeColour(192, 192, 192));
}

}  // namespace
}  // namespace orvo
