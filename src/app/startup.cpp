// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include <algorithm>
#include <cmath>

#include "app/app_texts.h"
#include "platform/keys.h"

namespace orvo {
namespace {

int RoundToInt(double value) { return static_cast<int>(std::nearbyint(value)); }

bool Refuse(Platform& p, const ustring& text) {
  p.app.StandardMessage(text, mb_icon::kStop, startup_text::kTitle);
  p.windowing.DoEvents();
  p.app.End();
  return false;
}

}  // namespace

bool Main(Platform& p, ProgramValues& v, braille::KeySynth& keys, StartupSteps& steps) {
  // A previous run that ended with the latch down leaves Ctrl and Alt held.
  const bool ctrl = p.keyboard.IsDown(vk::kControl);
  const bool alt = p.keyboard.IsDown(vk::kMenu);
  if (ctrl && alt) {
    if (!keys.RELEASE_CTRL_ALT()) return Refuse(p, startup_text::kRepairFailed);
    p.app.StandardMessage(startup_text::kRepaired, mb_icon::kExclamation, startup_text::kTitle);
  } else if (ctrl || alt) {
    return Refuse(p, startup_text::kOneSided);
  }

  if (p.app.PreviousInstance()) return Refuse(p, startup_text::kSecondInstance);

  if (p.screen.BitsPerPixel() == 8) return Refuse(p, startup_text::kColours256);

  v.TwipsPerPixelX = RoundToInt(p.screen.TwipsPerPixelX());
  v.TwipsPerPixelY = RoundToInt(p.screen.TwipsPerPixelY());
  // A screen object that reports no resolution is as unusable as a tiny screen.
  if (v.TwipsPerPixelX <= 0 || v.TwipsPerPixelY <= 0) return Refuse(p, startup_text::kTooSmall);
  v.ScreenWidthPx = RoundToInt(p.screen.WidthTwips() / v.TwipsPerPixelX);
  v.ScreenHeightPx = RoundToInt(p.screen.HeightTwips() / v.TwipsPerPixelY);
  // The screen's own pixels count: a desktop scaled up reports fewer.
  const double ratio = std::max(1.0, p.screen.DevicePixelRatio());
  if (v.ScreenWidthPx * ratio < 639.5 || v.ScreenHeightPx * ratio < 479.5) return Refuse(p, startup_text::kTooSmall);

  v.CommandLine = p.app.CommandLine();
  v.OpenFromCommandLine = !v.CommandLine.empty();

  v.ScaledFontSize = ScaleFontSizes(v.TwipsPerPixelX);

  p.app.SetTitle(startup_text::kTitle);

  v.AppFolder = p.app.Path();
  const char16_t separator = p.app.PathSeparator();
  if (v.AppFolder.empty() || v.AppFolder.back() != separator) v.AppFolder += separator;
  v.SettingsPath = v.AppFolder + u"Orvo_4.ini";

  if (!steps.LoadSettings()) return Refuse(p, startup_text::kCannotGoOn);
  steps.QueryWorkArea();
  steps.SetUpRecentFilesMenu();
  p.windowing.DoEvents();
  steps.ShowMainWindow();
  p.windowing.DoEvents();
  return true;
}

}  // namespace orvo
