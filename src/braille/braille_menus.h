// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What braille mode changes in the main window's menus and toolbar.
namespace orvo::braille {

// Pictures of the main window's picture set used by the mode and IME buttons.
namespace picture {
inline constexpr int kMemo = 0;
inline constexpr int kRomajiMethod = 1;
inline constexpr int kBrailleMethod = 2;
inline constexpr int kImeAtLoad = 3;
inline constexpr int kImeOn = 4;
inline constexpr int kImeBraille = 5;
inline constexpr int kCover = 6;
}  // namespace picture

class BrailleMenus {
 public:
  virtual ~BrailleMenus() = default;
  // The braille helper and diagram entries on the menu bar instead of the help menu and exit.
  virtual void ShowBrailleMenus(bool braille) = 0;
  virtual void SetMethodPicture(int picture) = 0;  // the input-method button
  virtual void SetImePicture(int picture) = 0;     // the IME button
  virtual void SetCoverVisible(bool visible) = 0;
  virtual void SetToolVisible(bool visible) = 0;
};

}  // namespace orvo::braille
