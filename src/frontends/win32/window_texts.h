// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Windows front end itself says, beside the program's own texts.
namespace orvo::win32::window_texts {

inline constexpr char16_t kProgramName[] = u"Orvo";
inline constexpr char kProgramNameNarrow[] = "orvo";
inline constexpr char16_t kBoxTitle[] = u"Orvo";
inline constexpr char16_t kNoProgramFolder[] = u"プログラムのフォルダーを作れません。";
inline constexpr char16_t kNoWindowClass[] = u"ウィンドウを作れません。";
inline constexpr char kCannotReadScript[] = "orvo: cannot read the script %s\n";
inline constexpr char kCannotWriteState[] = "orvo: cannot write the state to %s\n";
inline constexpr char kScriptDone[] = "orvo: script done\n";
inline constexpr char kUsage[] =
    "Usage: orvo [options] [file]\n"
    "  --folder DIR       the program folder (settings, memo); default: the program's own\n"
    "  --engine NAME      auto, mozc or anthy (the emulated desktop only)\n"
    "  --codepage NAME    CP932, UTF-8 or locale\n"
    "  --script FILE      play a key script after start\n"
    "  --dump-state FILE  write the program's state as JSON at the end and after each script step\n"
    "  --help, --version\n";
inline constexpr char kVersionLine[] = "orvo %s (Windows)\n";

}  // namespace orvo::win32::window_texts
