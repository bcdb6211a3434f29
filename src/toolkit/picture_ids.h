// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every picture of the program, by the number a front end draws it from.
namespace orvo::picture_id {

// The toolbar buttons' faces: the memo, the input method, the IME, the cover.
inline constexpr int kMemo = 0;
inline constexpr int kRomajiMethod = 1;
inline constexpr int kBrailleMethod = 2;
inline constexpr int kImeAtLoad = 3;
inline constexpr int kImeOn = 4;
inline constexpr int kImeBraille = 5;
inline constexpr int kCover = 6;

inline constexpr int kMenuChecked = 20;    // the wrap item's check mark, on
inline constexpr int kMenuUnchecked = 21;  // and off
inline constexpr int kAppIcon = 22;        // the program's icon
inline constexpr int kSplash = 23;         // the splash window's picture, 299 × 178, drawn over its gradient

// The message box's icons, drawn as the desktop draws its own message boxes'.
inline constexpr int kMessageStop = 30;
inline constexpr int kMessageQuestion = 31;
inline constexpr int kMessageExclamation = 32;
inline constexpr int kMessageInformation = 33;

// The four key diagrams (550 x 300), drawn from their sources in the data folder.
inline constexpr int kDiagramOverview = 40;
inline constexpr int kDiagramIme = 41;
inline constexpr int kDiagramExplanations = 42;
inline constexpr int kDiagramExample = 43;

}  // namespace orvo::picture_id
