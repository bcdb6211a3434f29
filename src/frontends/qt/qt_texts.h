// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Qt front end itself says: to screen readers, in its own boxes, and
// on the terminal. The program's texts live with the program in src/app.
#include <string_view>

namespace orvo::qt::texts {

// Screen readers' names and descriptions of the front end's own widgets.
inline constexpr std::u16string_view kCandidatesName = u"変換候補";
inline constexpr std::u16string_view kCandidatesDescription = u"変換中の文節の候補";
inline constexpr std::u16string_view kDocumentName = u"本文";
inline constexpr std::u16string_view kDocumentDescription = u"文書のテキスト";
inline constexpr std::u16string_view kVerticalScrollName = u"縦のスクロールバー";
inline constexpr std::u16string_view kHorizontalScrollName = u"横のスクロールバー";
// The status area whose notices carry what the program says while you write.
inline constexpr std::u16string_view kNoticesName = u"読み上げ";

inline constexpr std::u16string_view kBoxTitle = u"Orvo";
inline constexpr std::u16string_view kNoProgramFolder = u"設定フォルダーを作れません。";

// Terminal lines, Japanese first; %s: the reason, the file, the folder.
inline constexpr const char* kNoScreen =
    "orvo: 画面を開けません（ディスプレイに接続できません）。"
    "画面がなくても orvo-headless と tools/run は使えます。\n";
inline constexpr const char* kNoScreenEnglish =
    "orvo: cannot open the screen (%s); orvo-headless, or tools/run without a display, still "
    "works.\n";
inline constexpr const char* kConnectionRefused = "the window system refused the connection";
inline constexpr const char* kRescued = "orvo: 保存していない文章を %s に書き出しました。\n";
inline constexpr const char* kRescuedEnglish = "orvo: the unsaved text was written to %s\n";
inline constexpr const char* kRescueFailed = "orvo: 保存していない文章を書き出せません（%s）。\n";
inline constexpr const char* kRescueFailedEnglish =
    "orvo: the unsaved text could not be written to %s: %s\n";
inline constexpr const char* kUsage =
    "usage: orvo [--folder DIR] [--engine auto|mozc|anthy] [--codepage CP932|UTF-8|locale] [--dump-state JSON] [FILE]\n"
    "       orvo --version\n"
    "  Kana-kanji conversion: mozc when the user has it and it answers, else anthy (auto),\n"
    "  unless --engine or the settings file's [SETTING] Engine names one.\n"
    "  New texts are in the locale's code page unless --codepage or [SETTING] CodePage names one;\n"
    "  a file opened is saved in the code page it came in (UTF-8 or CP932).\n";
inline constexpr const char* kProgramName = "orvo";
inline constexpr const char* kVersionLine = "orvo %s\ndata: %s\n";
inline constexpr const char* kDataProblem = "orvo: %s\n";
inline constexpr const char* kCannotReadScript = "orvo: cannot read %s\n";
inline constexpr const char* kNoStateSignal = "orvo: SIGUSR1 cannot ask for the state\n";
inline constexpr const char* kNoRescue = "orvo: an abrupt end may lose the text\n";
inline constexpr const char* kCannotWriteState = "orvo: cannot write the state to %s: %s\n";

}  // namespace orvo::qt::texts
